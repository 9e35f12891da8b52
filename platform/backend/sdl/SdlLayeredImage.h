// What a layered window shows on a desktop that cannot blend windows: plain X11 has no per-pixel
// or global window alpha without a compositing manager, so the window is composed here, by the
// window system's own compositor, over our windows below it and the desktop colour; pixels that
// are wholly see-through (key colour, alpha 0) are cut out of the real window's shape, so the
// real desktop shows through them.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/window/WinTypes.h"

class SdlLayeredImage {
public:
    // False when hwnd is not a top-level window of the running window system.
    static bool Compose(HWND hwnd, Bitmap& pixels, Region& solid);
};
