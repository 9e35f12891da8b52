// The menu bar in a top-level window's non-client area: its rows of items (wrapping when the
// window is narrow), hit testing and painting. The default window procedure reaches it through
// the menu hooks.
#pragma once

#include "platform/controls/MenuPainter.h"

#include <vector>

struct TBarLayout {
    std::vector<TRect> Items; // relative to the bar's top-left corner
    int Height = 0;
};

class MenuBar {
public:
    // The layout for a window of the given width.
    static TBarLayout Layout(HWND hwnd, HMENU menu, int windowWidth);
    static int Height(HWND hwnd, HMENU menu, int windowWidth);
    // Paints the bar into a window context; bar in window coordinates.
    static void Paint(HWND hwnd, HMENU menu, HDC dc, const TRect& bar, bool active);
    // The bar, an item, and the item at a point, in screen coordinates.
    static bool ScreenRect(HWND hwnd, TRect* rect);
    static bool ItemScreenRect(HWND hwnd, int index, TRect* rect);
    static int ItemAt(HWND hwnd, TPoint screen);
    // Repaints the bar through the window's next WM_NCPAINT.
    static void Redraw(HWND hwnd);

private:
    static int FrameBorder(HWND hwnd);
};
