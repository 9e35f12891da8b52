// The painting functions.
#include "platform/window/PaintApi.h"
#include "platform/window/Compositor.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintManager.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowSystem.h"

static Window* Lookup(HWND hwnd) {
    WindowSystem* ws = WindowSystem::Current();
    return ws ? ws->Find(hwnd) : nullptr;
}

BOOL RedrawWindow(HWND hwnd, const TRect* rect, const Region* region, UINT flags) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = Lookup(hwnd);
    if (!w) return FALSE;
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT)) {
        // Client coordinates in, window coordinates for the update region.
        Region area;
        if (region || rect) {
            area = region ? *region : Region(*rect);
            area.Offset(w->FClient.Left, w->FClient.Top);
        } else {
            area = Region((flags & RDW_FRAME) ? w->WindowBounds() : w->FClient);
        }
        ws->Paint().Invalidate(w, area, flags);
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
        ws->Paint().UpdateNow(hwnd, !(flags & RDW_NOCHILDREN), !(flags & RDW_UPDATENOW));
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const TRect* rect, BOOL erase) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, const Region* region, BOOL erase) {
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const TRect* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, const Region* region) {
    return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd) {
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

BOOL GetUpdateRect(HWND hwnd, TRect* rect, BOOL erase) {
    Window* w = Lookup(hwnd);
    if (!w) return FALSE;
    TRect box = w->FUpdate.BoundingBox().Offset(-w->FClient.Left, -w->FClient.Top);
    if (rect) *rect = w->FUpdate.IsEmpty() ? TRect{} : box;
    if (erase && w->FEraseDirty) WindowSystem::Current()->Paint().UpdateNow(hwnd, false, true);
    return w->FUpdate.IsEmpty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hwnd, Region* region, BOOL erase) {
    Window* w = Lookup(hwnd);
    if (!w || !region) return RGN_ERROR;
    *region = w->FUpdate;
    region->Offset(-w->FClient.Left, -w->FClient.Top);
    if (erase && w->FEraseDirty) WindowSystem::Current()->Paint().UpdateNow(hwnd, false, true);
    return region->Kind();
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    Window* w = Lookup(hwnd);
    return w ? WindowSystem::Current()->Paint().BeginPaint(w, ps) : nullptr;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* ps) {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws || !ps) return FALSE;
    ws->Paint().EndPaint(ps);
    return TRUE;
}

HDC GetDCEx(HWND hwnd, const Region* clip, DWORD flags) {
    Window* w = Lookup(hwnd);
    return w ? WindowSystem::Current()->Paint().GetDCEx(w, clip, flags) : nullptr;
}

HDC GetDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, 0);
}

HDC GetWindowDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, DCX_WINDOW);
}

int ReleaseDC(HWND, HDC dc) {
    WindowSystem* ws = WindowSystem::Current();
    return ws && ws->Paint().ReleaseDC(dc) ? 1 : 0;
}

int SetWindowRgn(HWND hwnd, const Region* region, BOOL redraw) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = Lookup(hwnd);
    if (!w) return 0;
    Region before = w->FShape ? *w->FShape : Region(w->WindowBounds());
    if (region) w->FShape = *region;
    else w->FShape.reset();
    if (!w->FParent) ws->NotifyTopLevel(w, TTopLevelChange::tcRegion);
    if (redraw && (w->FStyle & WS_VISIBLE)) {
        ws->Paint().Invalidate(w, Region(w->WindowBounds()), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        if (w->FParent) {
            Window* p = w->FParent;
            before.Offset(p->FClient.Left + w->FRect.Left, p->FClient.Top + w->FRect.Top);
            ws->Paint().Invalidate(p, before, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
    }
    return 1;
}

int GetWindowRgn(HWND hwnd, Region* region) {
    Window* w = Lookup(hwnd);
    if (!w || !w->FShape || !region) return RGN_ERROR;
    *region = *w->FShape;
    return region->Kind();
}

BOOL SetLayeredWindowAttributes(HWND hwnd, TColor key, BYTE alpha, DWORD flags) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = Lookup(hwnd);
    if (!w || !(w->FExStyle & WS_EX_LAYERED)) return FALSE;
    if (!w->FLayered) w->FLayered = std::make_unique<LayeredState>();
    w->FLayered->FHasImage = false;
    w->FLayered->FFlags = flags;
    w->FLayered->FAlpha = alpha;
    w->FLayered->FKey = key;
    if (!w->FParent) ws->NotifyTopLevel(w, TTopLevelChange::tcLayered);
    return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, TColor* key, BYTE* alpha, DWORD* flags) {
    Window* w = Lookup(hwnd);
    if (!w || !w->FLayered || w->FLayered->FHasImage) return FALSE;
    if (key) *key = w->FLayered->FKey;
    if (alpha) *alpha = w->FLayered->FAlpha;
    if (flags) *flags = w->FLayered->FFlags;
    return TRUE;
}

BOOL UpdateLayeredWindow(HWND hwnd, HDC, const TPoint* dstPos, const TSize* size, HDC src, const TPoint* srcPos,
                         TColor key, const BLENDFUNCTION* blend, DWORD flags) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = Lookup(hwnd);
    if (!w || !(w->FExStyle & WS_EX_LAYERED) || w->FParent) return FALSE;
    if (w->FLayered && !w->FLayered->FHasImage && w->FLayered->FFlags) return FALSE; // attributes already chosen
    TSize sz = size ? *size : w->FRect.Size();
    if (sz.cx <= 0 || sz.cy <= 0) return FALSE;
    if (dstPos || size) {
        TPoint p = dstPos ? *dstPos : w->FRect.TopLeft();
        SetWindowPos(hwnd, nullptr, p.X, p.Y, sz.cx, sz.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        if (!(w = Lookup(hwnd))) return FALSE;
    }
    if (!w->FLayered) w->FLayered = std::make_unique<LayeredState>();
    LayeredState& l = *w->FLayered;
    const bool newPixels = (src && src->Target()) || l.FImage.Size() != sz;
    if (src && src->Target()) {
        Bitmap image(sz.cx, sz.cy, TPixelFormat::pf32bit);
        const Bitmap& from = *src->Target();
        TPoint s = srcPos ? src->ToDevice(*srcPos) : src->ToDevice(TPoint{0, 0});
        bool alpha = from.Format() == TPixelFormat::pf32bit;
        for (int y = 0; y < sz.cy; ++y)
            for (int x = 0; x < sz.cx; ++x) {
                int fx = s.X + x, fy = s.Y + y;
                if (fx < 0 || fy < 0 || fx >= from.Width() || fy >= from.Height()) continue;
                const std::uint8_t* p = from.ScanLine(fy) + fx * from.BytesPerPixel();
                std::uint8_t* q = image.ScanLine(y) + x * 4;
                q[0] = p[0];
                q[1] = p[1];
                q[2] = p[2];
                q[3] = alpha ? p[3] : 255;
            }
        l.FImage = std::move(image);
    } else if (l.FImage.Width() != sz.cx || l.FImage.Height() != sz.cy) {
        l.FImage.Resize(sz.cx, sz.cy);
    }
    l.FHasImage = true;
    l.FFlags = 0;
    l.FImageFlags = flags;
    l.FKey = key;
    l.FBlend = blend ? *blend : BLENDFUNCTION{};
    ws->NotifyTopLevel(w, TTopLevelChange::tcLayered);
    // Without new pixels only the blend changed (a fade step): an empty dirty region says so.
    ws->GetBackend().Present(hwnd, l.FImage, newPixels ? Region(TRect{0, 0, sz.cx, sz.cy}) : Region());
    return TRUE;
}

Bitmap CaptureScreen() {
    WindowSystem* ws = WindowSystem::Current();
    if (!ws) return {};
    ws->Paint().FlushPresents();
    Bitmap shot;
    if (ws->GetBackend().CaptureScreen(shot)) return shot;
    std::vector<Window*> bottomUp(ws->TopLevels().rbegin(), ws->TopLevels().rend());
    TSize size = ws->GetBackend().ScreenSize();
    return Compositor::Compose(bottomUp, size.cx, size.cy, GetSysColor(COLOR_BACKGROUND));
}

UINT BackingFailedMessage() {
    return RegisterWindowMessage("BackingFailed");
}
