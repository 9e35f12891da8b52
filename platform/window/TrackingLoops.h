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
    // SC_MOVE / SC_SIZE from the keyboard: the pointer jumps to the caption (move) or to the edge
    // the first arrow names (size); arrows then move it 8 pixels (1 with Ctrl) and the window
    // follows, as it does the mouse; Enter or a click accepts, Esc puts the window back.
    static void KeyboardSizeMove(HWND hwnd, bool size);
    // Shows the button pressed while the pointer is over it; true when released over it.
    static bool CaptionButton(HWND hwnd, int ht);
};
