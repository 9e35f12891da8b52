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
} // namespace

bool SdlLayeredImage::Compose(HWND hwnd, Bitmap& pixels, Region& solid, const TSdlBeneath* beneath) {
    WindowSystem* ws = WindowSystem::Current();
    Window* self = ws ? ws->Find(hwnd) : nullptr;
    TRect r;
    if (!self || !self->IsTopLevel() || !GetWindowRect(hwnd, &r) || r.Width() <= 0 || r.Height() <= 0)
        return false;
    const std::vector<Window*>& tops = ws->TopLevels();
    auto at = std::find(tops.begin(), tops.end(), self);
    if (at == tops.end()) return false;
    std::vector<Window*> bottomUp(tops.rbegin(), std::make_reverse_iterator(at));
    // Only the window's part of the screen is composed.
    const bool captured = beneath && beneath->Bounds == r && beneath->Pixels.Size() == r.Size();
    Bitmap below = captured ? CapturedArea(*beneath, bottomUp) : Plain(r, GetSysColor(COLOR_BACKGROUND));
    pixels = Compositor::ComposeOver(std::move(below), bottomUp, r.TopLeft());
    // A pixel is see-through when the window alone leaves both black and white unchanged.
    Bitmap overBlack = Compositor::ComposeOver(Plain(r, RGB(0, 0, 0)), {self}, r.TopLeft());
    Bitmap overWhite = Compositor::ComposeOver(Plain(r, RGB(255, 255, 255)), {self}, r.TopLeft());
    solid = Region::FromBitmapExceptKey(overBlack, RGB(0, 0, 0));
    solid.Unite(Region::FromBitmapExceptKey(overWhite, RGB(255, 255, 255)));
    return true;
}
