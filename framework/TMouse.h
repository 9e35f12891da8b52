// The mouse pointer: where it is on the screen.
#pragma once

#include "platform/gfx/Geometry.h"

class TMouse {
public:
    TPoint CursorPos() const;
    void SetCursorPos(TPoint point);
    bool MousePresent() const { return true; }
};

// The mouse of the running application (owned by it); nullptr without one.
extern TMouse* Mouse;
