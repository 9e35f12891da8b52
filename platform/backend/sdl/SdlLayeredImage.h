// What a layered window shows on a desktop that cannot blend windows: plain X11 has no per-pixel
// or global window alpha without a compositing manager, so the window is composed here, by the
// window system's own compositor, over what lies beneath it: the screen's pixels captured when
// the window was shown (other programs' windows included) with our opaque windows below drawn
// anew over them, or, without a capture, our windows below and the desktop colour. Pixels that
// are wholly see-through (key colour, alpha 0) are cut out of the real window's shape, so the
// real desktop shows through them. A fade only changes the window's opacity: the background and
// the outline are kept, and only the window is blended again.
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
    // Composes the window anew over what lies beneath it (a capture is used while the window
    // still covers the captured place), keeping that background and the outline of the pixels
    // the window shows at full opacity. False when hwnd is not a top-level window of the running
    // window system.
    bool Compose(HWND hwnd, const TSdlBeneath* beneath);
    // Only the window's opacity changed since the last composition at the same place: the window
    // alone is blended again over the kept background (a fade step). False when there is nothing
    // kept for its present place.
    bool Reblend(HWND hwnd);

    // The window's pixels over what lies beneath it.
    const Bitmap& Pixels() const { return FPixels; }
    // The pixels that show anything at full opacity (window coordinates); the rest is cut out.
    const Region& Solid() const { return FSolid; }

    // A per-pixel window's image as a compositing desktop blends it: premultiplied blue, green,
    // red and alpha with the window's opacity in them, key-coloured pixels cleared. False for
    // windows without a per-pixel image.
    static bool WithOpacity(HWND hwnd, Bitmap& out);

    // The composition alone, for a caller that keeps nothing.
    static bool Compose(HWND hwnd, Bitmap& pixels, Region& solid, const TSdlBeneath* beneath = nullptr);

private:
    Bitmap FBelow; // what lies beneath the window, without it
    Bitmap FPixels;
    Region FSolid;
    TRect FBounds;
};
