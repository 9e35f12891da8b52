// The pointer position through the window system.
#include "framework/TMouse.h"

#include "platform/window/InputApi.h"

TMouse* Mouse = nullptr;

TPoint TMouse::CursorPos() const {
    TPoint p;
    GetCursorPos(&p);
    return p;
}

void TMouse::SetCursorPos(TPoint point) {
    ::SetCursorPos(point.X, point.Y);
}
