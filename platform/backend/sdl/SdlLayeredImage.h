// What a layered window shows on a desktop that cannot blend windows: plain X11 has no per-pixel
// or global window alpha without a compositing manager, so the window is composed here, by the
// window system's own compositor, over what lies beneath it: the screen's pixels captured when
// the window was shown (other programs' windows included) with our opaque windows below drawn
// anew over them, or, without a capture, our windows below and the desktop colour. Pixels that
// are wholly see-through (key colour, alpha 0) are cut out of the real window's shape, so the
// real desktop shows through them.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/window/WinTypes.h"

// The screen's pixels under a window, captured before it was shown there.
struct TSdlBeneath {
    Bitmap Pixels;
    TRect Bounds; // screen coordinates
};

class SdlLayeredImage {
public:
    // False when hwnd is not a top-level window of the running window system. A capture is used
    // while the window still covers the captured place.
    static bool Compose(HWND hwnd, Bitmap& pixels, Region& solid, const TSdlBeneath* beneath = nullptr);
};
