// Composes the screen from the top-level windows: the desktop colour, then each visible window
// bottom to top through its region, with layered alpha, colour keys and drop shadows.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <vector>

class Window;

class Compositor {
public:
    // Rounded a * b / 255 for 8-bit values: the blend arithmetic every layer uses.
    static constexpr int Mul255(int a, int b) { return (a * b + 127) / 255; }

    // windows: bottom to top.
    static Bitmap Compose(const std::vector<Window*>& windows, int width, int height, TColor desktop);
    // The same over a part of the screen that already shows something (what lies beneath the
    // windows); the bitmap's top-left pixel is the screen's pixel at origin.
    static Bitmap ComposeOver(Bitmap screen, const std::vector<Window*>& windows, TPoint origin = {0, 0});

private:
    static void DrawShadow(Bitmap& screen, const Window* w, TPoint origin);
    static void DrawWindow(Bitmap& screen, const Window* w, TPoint origin);
};
