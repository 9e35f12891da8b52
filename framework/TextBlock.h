// The size of a block of text as controls lay it out: its own width when it fits, else
// word-wrapped within the width allowed.
#pragma once

#include "framework/TFont.h"

#include <string_view>

// Lines break at line breaks, and at word boundaries only when a line is wider than maxWidth.
// extraFlags adds DrawText flags such as DT_NOPREFIX or DT_CENTER.
TSize MeasureTextBlock(const TFont* font, std::string_view text, int maxWidth, unsigned extraFlags = 0);
