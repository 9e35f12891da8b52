// The one way a control's WM_PAINT reaches its painter: into the context a caller passed
// (WM_PAINT with a context in wParam, as WM_PRINTCLIENT does) or between BeginPaint and EndPaint.
#pragma once

#include "platform/window/Win.h"

template <class TPaint>
LRESULT PaintClient(HWND hwnd, HDC given, TPaint&& paint) {
    if (given) {
        paint(given);
        return 0;
    }
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(hwnd, &ps)) paint(dc);
    EndPaint(hwnd, &ps);
    return 0;
}
