// The small local message loops of the default window procedure: moving and sizing a window
// with the mouse, and pressing a caption button. Each captures the mouse, handles what it needs
// and dispatches everything else, and passes WM_QUIT on to the loop outside it.
#pragma once

#include "platform/window/WinTypes.h"

class TrackingLoops {
public:
    // WM_ENTERSIZEMOVE, then WM_MOVING / WM_SIZING and the move per mouse move until the button
    // is released (Esc puts the window back), then WM_EXITSIZEMOVE. ht is HTCAPTION for a move
    // or one of the sizing codes.
    static void SizeMove(HWND hwnd, int ht, TPoint startScreen);
    // Shows the button pressed while the pointer is over it; true when released over it.
    static bool CaptionButton(HWND hwnd, int ht);
};
