// Screen composition.
#include "platform/window/Compositor.h"
#include "platform/window/Window.h"

#include <algorithm>

namespace {
// Width of the soft shadow beside CS_DROPSHADOW windows.
constexpr int kShadow = 4;

void Darken(Bitmap& screen, int x, int y, int amount) {
    if (x < 0 || y < 0 || x >= screen.Width() || y >= screen.Height()) return;
    std::uint8_t* p = screen.ScanLine(y) + x * screen.BytesPerPixel();
    for (int i = 0; i < 3; ++i) p[i] = static_cast<std::uint8_t>(Compositor::Mul255(p[i], 255 - amount));
}

Region ScreenShape(const Window* w) {
    Region r(w->WindowBounds());
    if (w->FShape) r.Intersect(*w->FShape);
    r.Offset(w->FRect.Left, w->FRect.Top);
    return r;
}
}

void Compositor::DrawShadow(Bitmap& screen, const Window* w, TPoint origin) {
    TRect r = w->FRect.Offset(-origin.X, -origin.Y);
    for (int d = 0; d < kShadow; ++d) {
        int amount = 72 - d * 16;
        for (int y = r.Top + kShadow; y < r.Bottom + d; ++y) Darken(screen, r.Right + d, y, amount);
        for (int x = r.Left + kShadow; x < r.Right + d; ++x) Darken(screen, x, r.Bottom + d, amount);
    }
}

void Compositor::DrawWindow(Bitmap& screen, const Window* w, TPoint origin) {
    const LayeredState* layered = (w->FExStyle & WS_EX_LAYERED) ? w->FLayered.get() : nullptr;
    bool image = layered && layered->FHasImage;
    const Bitmap& src = image ? layered->FImage : w->FBacking;
    int globalAlpha = 255;
    bool perPixel = false, keyed = false;
    TColor key = 0;
    if (image) {
        perPixel = (layered->FImageFlags & ULW_ALPHA) != 0;
        globalAlpha = perPixel ? layered->FBlend.SourceConstantAlpha : 255;
        perPixel = perPixel && (layered->FBlend.AlphaFormat & AC_SRC_ALPHA);
        keyed = (layered->FImageFlags & ULW_COLORKEY) != 0;
        key = ColorToRGB(layered->FKey);
    } else if (layered) {
        if (layered->FFlags & LWA_ALPHA) globalAlpha = layered->FAlpha;
        keyed = (layered->FFlags & LWA_COLORKEY) != 0;
        key = ColorToRGB(layered->FKey);
    }
    if (!layered && w->FExStyle & WS_EX_LAYERED) return; // layered but never given content: invisible
    Region shape = ScreenShape(w);
    shape.Offset(-origin.X, -origin.Y);
    shape.Intersect(screen.BoundsRect());
    const TPoint at{w->FRect.Left - origin.X, w->FRect.Top - origin.Y}; // the window in the bitmap
    int sbpp = src.BytesPerPixel(), dbpp = screen.BytesPerPixel();
    for (const TRect& r : shape.Rects()) {
        for (int y = r.Top; y < r.Bottom; ++y) {
            int sy = y - at.Y;
            if (sy >= src.Height()) break;
            const std::uint8_t* s = src.ScanLine(sy);
            std::uint8_t* d = screen.ScanLine(y);
            for (int x = r.Left; x < r.Right; ++x) {
                int sx = x - at.X;
                if (sx >= src.Width()) break;
                const std::uint8_t* sp = s + sx * sbpp;
                std::uint8_t* dp = d + x * dbpp;
                if (keyed && RGB(sp[2], sp[1], sp[0]) == key) continue;
                if (perPixel) {
                    int sa = Mul255(sp[3], globalAlpha);
                    for (int i = 0; i < 3; ++i)
                        dp[i] = static_cast<std::uint8_t>(std::min(255, Mul255(sp[i], globalAlpha) + Mul255(dp[i], 255 - sa)));
                } else if (globalAlpha < 255) {
                    for (int i = 0; i < 3; ++i)
                        dp[i] = static_cast<std::uint8_t>(Mul255(sp[i], globalAlpha) + Mul255(dp[i], 255 - globalAlpha));
                } else {
                    dp[0] = sp[0];
                    dp[1] = sp[1];
                    dp[2] = sp[2];
                }
            }
        }
    }
}

Bitmap Compositor::Compose(const std::vector<Window*>& windows, int width, int height, TColor desktop) {
    Bitmap screen(width, height);
    screen.Fill(ColorToRGB(desktop));
    return ComposeOver(std::move(screen), windows);
}

Bitmap Compositor::ComposeOver(Bitmap screen, const std::vector<Window*>& windows, TPoint origin) {
    for (const Window* w : windows) {
        if (!(w->FStyle & WS_VISIBLE) || (w->FStyle & WS_MINIMIZE)) continue;
        if ((w->ClassStyle() & CS_DROPSHADOW) && !w->FShape) DrawShadow(screen, w, origin);
        DrawWindow(screen, w, origin);
    }
    return screen;
}
