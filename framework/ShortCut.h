// Keyboard shortcuts of menu items: a key and its modifiers packed into one number, and its text.
#pragma once

#include "framework/Events.h"

#include <string>

// The virtual-key code in the low byte, scShift, scCtrl and scAlt above it; 0 is none.
using TShortCut = WORD;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// Only Shift, Ctrl and Alt of the shift state count.
TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);
// "Ctrl+Shift+N", "F5", "Alt+Del"; "" for none and for keys without a name.
std::string ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText, ignoring case; scNone for text it does not know.
TShortCut TextToShortCut(const std::string& text);
