// Where a hint goes: its rectangle at the hint position by the preferred corner, turned to the
// other side of the position where it would leave the desktop, and the corner that then lies at
// the position (0 left-top, 1 left-bottom, 2 right-top, 3 right-bottom).
#pragma once

#include "platform/gfx/Geometry.h"

enum TsMousePosition { mpLeftTop, mpLeftBottom, mpRightTop, mpRightBottom };

struct THintPlace {
    TRect Bounds;
    int Corner = 0;
};

class TacHintPlacement {
public:
    // size: the hint's size; position: the hint position (screen); desktop: the area to stay in.
    static THintPlace Place(TSize size, TPoint position, TsMousePosition preferred, const TRect& desktop);
};
