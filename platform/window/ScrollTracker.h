// Pressing a scroll bar with the mouse, for a window's own bars and for scroll-bar controls
// alike: a small local loop with the mouse captured that sends the scroll requests, repeats
// arrow and page steps by a timer while the button is held over them, and drags the thumb.
#pragma once

#include "platform/window/ScrollBarLayout.h"

class ScrollTracker {
public:
    static constexpr UINT_PTR kRepeatTimer = 0x5C7011;
    static constexpr UINT kFirstDelay = 200;  // before the first repeat
    static constexpr UINT kRepeatDelay = 50;  // between repeats

    // bar is SB_HORZ or SB_VERT for the window's own bars, SB_CTL for a control (whose client is
    // the bar). state is that bar's state; it must outlive the loop. Returns when the button is
    // released, the capture is lost or the window is destroyed.
    static void Track(HWND hwnd, int bar, ScrollBarState& state, TPoint screen);
    // WM_HSCROLL / WM_VSCROLL with (code, pos): to the window itself for its own bars, to the
    // parent for a control (lParam = the control).
    static void Notify(HWND hwnd, int bar, int code, int pos);
    // The bar's rectangle in the coordinates Track works in: window coordinates for a window's
    // own bars, client coordinates for a control. Empty when the bar is not shown.
    static TRect BarRect(HWND hwnd, int bar);
    static bool Vertical(HWND hwnd, int bar);
    // Repaints the bar (the frame for a window's own bars).
    static void Redraw(HWND hwnd, int bar);

private:
    static TPoint ToBar(HWND hwnd, int bar, TPoint screen);
    static int RequestFor(TScrollPart part);
};
