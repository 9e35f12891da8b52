// Text output on a device context: DrawText with its flags, TextOut, extents and metrics.
#pragma once

#include "platform/gfx/DeviceContext.h"
#include "platform/text/Font.h"

#include <string_view>

// DrawText flags, with the Win32 values.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_TABSTOP = 0x80,
    DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_INTERNAL = 0x1000,
    DT_EDITCONTROL = 0x2000,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_MODIFYSTRING = 0x10000,
    DT_RTLREADING = 0x20000,
    DT_WORD_ELLIPSIS = 0x40000,
    DT_HIDEPREFIX = 0x100000,
    DT_PREFIXONLY = 0x200000,
};

// Strings are UTF-8. Text is drawn with the context's font (the default font when none is
// selected), text colour, and background colour when the mode is OPAQUE.
//
// Draws text in the rectangle as the flags say and returns the height of the text drawn. With
// DT_CALCRECT nothing is drawn: the rectangle's right and bottom are set to the extent the text
// needs (for DT_WORDBREAK the width stays and only the bottom grows).
int DrawText(HDC dc, std::string_view text, TRect* rect, unsigned format);
// One line, no prefix handling, the top-left of the text cell at (x, y).
bool TextOut(HDC dc, int x, int y, std::string_view text);
// Width and height of one line of text.
TSize GetTextExtent(HDC dc, std::string_view text);
TSize GetTextExtent(const Font* font, std::string_view text);
bool GetTextMetrics(HDC dc, TTextMetric* metrics);
