// The plain look of a scroll bar: arrow buttons, the trough, the raised thumb, and the pressed
// arrow or page area while the mouse holds it.
#pragma once

#include "platform/window/ScrollBarLayout.h"

class ScrollBarPainter {
public:
    static void Paint(HDC dc, const TScrollLayout& layout, const ScrollBarState& state);
};
