// Composing layered windows for the desktop.
#include "platform/backend/sdl/SdlLayeredImage.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/window/Compositor.h"
#include "platform/window/Window.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace {
// The window's part of a screen-sized composition (off-screen parts stay black).
Bitmap Cut(const Bitmap& screen, const TRect& r) {
    Bitmap out(r.Width(), r.Height());
    for (int y = std::max(0, -r.Top); y < r.Height() && r.Top + y < screen.Height(); ++y) {
        const std::uint8_t* s = screen.ScanLine(r.Top + y);
        std::uint8_t* d = out.ScanLine(y);
        for (int x = std::max(0, -r.Left); x < r.Width() && r.Left + x < screen.Width(); ++x)
            std::copy_n(s + (r.Left + x) * 3, 3, d + x * 3);
    }
    return out;
}

// The capture laid on a screen of the desktop colour; the layered windows below are in it
// already, so only our opaque windows are drawn again (they may have changed since).
Bitmap CapturedScreen(const TSdlBeneath& beneath, int width, int height, std::vector<Window*>& bottomUp) {
    Bitmap screen(width, height);
    screen.Fill(ColorToRGB(GetSysColor(COLOR_BACKGROUND)));
    DeviceContext dc(&screen);
    dc.DrawBitmap(beneath.Bounds.Left, beneath.Bounds.Top, beneath.Pixels, beneath.Pixels.BoundsRect());
    Window* self = bottomUp.back();
    std::erase_if(bottomUp, [self](const Window* w) { return w != self && (w->FExStyle & WS_EX_LAYERED); });
    return screen;
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
    // Only the screen up to the window's far corner is needed.
    int width = std::max(1, r.Right), height = std::max(1, r.Bottom);
    if (beneath && beneath->Bounds == r) {
        Bitmap screen = CapturedScreen(*beneath, width, height, bottomUp);
        pixels = Cut(Compositor::ComposeOver(std::move(screen), bottomUp), r);
    } else {
        pixels = Cut(Compositor::Compose(bottomUp, width, height, GetSysColor(COLOR_BACKGROUND)), r);
    }
    // A pixel is see-through when the window alone leaves both black and white unchanged.
    Bitmap overBlack = Cut(Compositor::Compose({self}, width, height, RGB(0, 0, 0)), r);
    Bitmap overWhite = Cut(Compositor::Compose({self}, width, height, RGB(255, 255, 255)), r);
    solid = Region::FromBitmapExceptKey(overBlack, RGB(0, 0, 0));
    solid.Unite(Region::FromBitmapExceptKey(overWhite, RGB(255, 255, 255)));
    return true;
}
