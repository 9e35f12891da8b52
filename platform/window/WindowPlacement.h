// Position, size, z-order and showing of windows: SetWindowPos and ShowWindow with their messages.
#pragma once

#include "platform/window/WinTypes.h"

class WindowPlacement {
public:
    // WM_WINDOWPOSCHANGING, the move itself with WM_NCCALCSIZE, the repaint of what it uncovered,
    // WM_WINDOWPOSCHANGED (whose default handling sends WM_MOVE and WM_SIZE), then activation
    // unless SWP_NOACTIVATE.
    static BOOL SetPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    // Returns whether the window was visible before.
    static BOOL Show(HWND hwnd, int cmd);
    // WM_GETMINMAXINFO with the defaults filled in.
    static MINMAXINFO MinMaxInfo(HWND hwnd);

private:
    static void Minimize(HWND hwnd, bool activate);
    static void Maximize(HWND hwnd);
    static void Restore(HWND hwnd);
    // WM_SHOWWINDOW with SW_PARENTCLOSING / SW_PARENTOPENING to the owned windows of a window
    // being minimised or restored.
    static void HideOwned(HWND owner);
    static void ShowOwned(HWND owner);
    static void RepaintUncovered(HWND hwnd, const TRect& oldRect, bool sized, bool wasVisible);
};
