// The event types of components and controls, and the small sets and enumerations they carry.
#pragma once

#include "framework/TSet.h"

#include "platform/window/Backend.h" // TMouseButton, shared with the back ends' input

#include <cstdint>
#include <functional>

class TObject;

using WORD = std::uint16_t; // the same type the window system names WORD

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// The window system's button type, so input from the back end and framework events agree.
constexpr TMouseButton mbLeft = TMouseButton::mbLeft;
constexpr TMouseButton mbRight = TMouseButton::mbRight;
constexpr TMouseButton mbMiddle = TMouseButton::mbMiddle;

// What closing a form does, as its OnClose handler decides.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = std::function<void(TObject* sender)>;
// Key is a virtual-key code; a handler that sets it to 0 swallows the key.
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
// Key is the typed character as a Unicode code point, so Cyrillic letters arrive whole; control
// characters keep their codes (8 is Backspace, 13 Enter, 27 Esc). A handler that sets it to 0
// discards the character.
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
