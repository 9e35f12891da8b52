// Composing layered windows for the desktop.
#include "platform/backend/sdl/SdlLayeredImage.h"
#include "platform/window/Compositor.h"
#include "platform/window/Window.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace {
// The window's part of the screen in one colour.
Bitmap Plain(const TRect& r, TColor color) {
    Bitmap area(r.Width(), r.Height());
    area.Fill(ColorToRGB(color));
    return area;
}

// The capture is the window's part of the screen; the layered windows below are in it already,
// so only our opaque windows are drawn again (they may have changed since).
Bitmap CapturedArea(const TSdlBeneath& beneath, std::vector<Window*>& bottomUp) {
    Window* self = bottomUp.back();
    std::erase_if(bottomUp, [self](const Window* w) { return w != self && (w->FExStyle & WS_EX_LAYERED); });
    return beneath.Pixels;
}

// A pixel is see-through when the window alone leaves both black and white unchanged. The
// window is taken at full strength: the outline holds what it shows at all, whatever its opacity
// at this moment (a fade starts at 0, which would cut the whole window away).
Region SolidPart(Window& self, const TRect& r) {
    LayeredState* l = self.FLayered.get();
    const BYTE blend = l ? l->FBlend.SourceConstantAlpha : 255, alpha = l ? l->FAlpha : 255;
    if (l) l->FBlend.SourceConstantAlpha = l->FAlpha = 255;
    Bitmap overBlack = Compositor::ComposeOver(Plain(r, RGB(0, 0, 0)), {&self}, r.TopLeft());
    Bitmap overWhite = Compositor::ComposeOver(Plain(r, RGB(255, 255, 255)), {&self}, r.TopLeft());
    if (l) {
        l->FBlend.SourceConstantAlpha = blend;
        l->FAlpha = alpha;
    }
    Region solid = Region::FromBitmapExceptKey(overBlack, RGB(0, 0, 0));
    solid.Unite(Region::FromBitmapExceptKey(overWhite, RGB(255, 255, 255)));
    return solid;
}

// The top-level window of the running system and its screen rectangle.
Window* TopLevel(HWND hwnd, TRect& r) {
    WindowSystem* ws = WindowSystem::Current();
    Window* self = ws ? ws->Find(hwnd) : nullptr;
    if (!self || !self->IsTopLevel() || !GetWindowRect(hwnd, &r) || r.Width() <= 0 || r.Height() <= 0)
        return nullptr;
    return self;
}
} // namespace

bool SdlLayeredImage::Compose(HWND hwnd, const TSdlBeneath* beneath) {
    TRect r;
    Window* self = TopLevel(hwnd, r);
    if (!self) return false;
    const std::vector<Window*>& tops = WindowSystem::Current()->TopLevels();
    auto at = std::find(tops.begin(), tops.end(), self);
    if (at == tops.end()) return false;
    std::vector<Window*> bottomUp(tops.rbegin(), std::make_reverse_iterator(at));
    // Only the window's part of the screen is composed.
    const bool captured = beneath && beneath->Bounds == r && beneath->Pixels.Size() == r.Size();
    Bitmap below = captured ? CapturedArea(*beneath, bottomUp) : Plain(r, GetSysColor(COLOR_BACKGROUND));
    bottomUp.pop_back();
    FBelow = Compositor::ComposeOver(std::move(below), bottomUp, r.TopLeft());
    FPixels = Compositor::ComposeOver(FBelow, {self}, r.TopLeft());
    FSolid = SolidPart(*self, r);
    FBounds = r;
    return true;
}

bool SdlLayeredImage::Reblend(HWND hwnd) {
    TRect r;
    Window* self = TopLevel(hwnd, r);
    // An outline of nothing was taken before the window showed: it is composed anew.
    if (!self || r != FBounds || FBelow.Empty() || FSolid.IsEmpty()) return false;
    FPixels = Compositor::ComposeOver(FBelow, {self}, r.TopLeft());
    return true;
}

bool SdlLayeredImage::WithOpacity(HWND hwnd, Bitmap& out) {
    TRect r;
    Window* self = TopLevel(hwnd, r);
    const LayeredState* l = self && (self->FExStyle & WS_EX_LAYERED) ? self->FLayered.get() : nullptr;
    if (!l || !l->FHasImage) return false;
    out = l->FImage;
    const int opacity = (l->FImageFlags & ULW_ALPHA) ? l->FBlend.SourceConstantAlpha : 255;
    const bool ownAlpha = (l->FImageFlags & ULW_ALPHA) && (l->FBlend.AlphaFormat & AC_SRC_ALPHA);
    const bool keyed = (l->FImageFlags & ULW_COLORKEY) != 0;
    const TColor key = ColorToRGB(l->FKey);
    for (int y = 0; y < out.Height(); ++y) {
        std::uint8_t* p = out.ScanLine(y);
        for (int x = 0; x < out.Width(); ++x, p += 4) {
            if (!ownAlpha) p[3] = 255;
            const bool cut = keyed && RGB(p[2], p[1], p[0]) == key;
            for (int i = 0; i < 4; ++i) p[i] = cut ? 0 : static_cast<std::uint8_t>(Compositor::Mul255(p[i], opacity));
        }
    }
    return true;
}

bool SdlLayeredImage::Compose(HWND hwnd, Bitmap& pixels, Region& solid, const TSdlBeneath* beneath) {
    SdlLayeredImage image;
    if (!image.Compose(hwnd, beneath)) return false;
    pixels = std::move(image.FPixels);
    solid = std::move(image.FSolid);
    return true;
}
