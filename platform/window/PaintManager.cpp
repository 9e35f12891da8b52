// Update regions, visible regions, device contexts and presenting.
#include "platform/window/PaintManager.h"
#include "platform/window/WindowApi.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <exception>

static Region ShapeOf(const Window* w, TPoint origin) {
    Region r(Bounds(origin.X, origin.Y, w->FRect.Width(), w->FRect.Height()));
    if (w->FShape) {
        Region s = *w->FShape;
        s.Offset(origin.X, origin.Y);
        r.Intersect(s);
    }
    return r;
}

Region PaintManager::ClipSiblingsAbove(Window* w, TPoint parentClientOrigin, const TRect& within) const {
    std::vector<TRect> plain;
    Region shaped;
    for (Window* s : w->FParent->FChildren) {
        if (s == w) break;
        if (!(s->FStyle & WS_VISIBLE)) continue;
        TRect r = s->FRect.Offset(parentClientOrigin.X, parentClientOrigin.Y);
        if (r.Intersect(within).IsEmpty()) continue; // most siblings are nowhere near
        if (s->FShape) shaped.Unite(ShapeOf(s, r.TopLeft()));
        else plain.push_back(r);
    }
    Region out = Region::FromRects(plain);
    if (!shaped.IsEmpty()) out.Unite(shaped);
    return out;
}

Region PaintManager::VisibleRegion(Window* w, bool clientOnly, bool clipChildren, bool clipSiblings) const {
    Window* top = w->TopLevel();
    if (!w->IsShowing() || (top->FStyle & WS_MINIMIZE) || w->IsRedrawSuppressed()) return {};
    TPoint origin = w->OriginInTop();
    Region rgn = ShapeOf(w, origin);
    if (clientOnly) rgn.Intersect(w->FClient.Offset(origin.X, origin.Y));
    bool siblings = clipSiblings;
    for (Window* cur = w; cur->FParent; cur = cur->FParent) {
        Window* p = cur->FParent;
        TPoint po = p->OriginInTop();
        TPoint pc{po.X + p->FClient.Left, po.Y + p->FClient.Top};
        rgn.Intersect(p->FClient.Offset(po.X, po.Y));
        if (p->FShape) rgn.Intersect(ShapeOf(p, po));
        if (siblings && !rgn.IsEmpty()) rgn.Subtract(ClipSiblingsAbove(cur, pc, rgn.BoundingBox()));
        siblings = (p->FStyle & WS_CLIPSIBLINGS) != 0;
    }
    if (clipChildren && !rgn.IsEmpty()) {
        TPoint cc{origin.X + w->FClient.Left, origin.Y + w->FClient.Top};
        std::vector<TRect> plain;
        Region shaped;
        for (Window* c : w->FChildren) {
            if (!(c->FStyle & WS_VISIBLE)) continue;
            TRect r = c->FRect.Offset(cc.X, cc.Y);
            if (c->FShape) shaped.Unite(ShapeOf(c, r.TopLeft()));
            else plain.push_back(r);
        }
        rgn.Subtract(Region::FromRects(plain));
        if (!shaped.IsEmpty()) rgn.Subtract(shaped);
    }
    return rgn;
}

void PaintManager::Invalidate(Window* w, const Region& windowRegion, UINT flags) {
    if (!(w->FStyle & WS_VISIBLE)) return;
    Region clientPart = windowRegion;
    clientPart.Intersect(w->FClient);
    bool reachesFrame = !(Region::Combine(windowRegion, Region(w->FClient), RGN_DIFF).IsEmpty());
    if (flags & RDW_INVALIDATE) {
        if (!clientPart.IsEmpty()) {
            w->FUpdate.Unite(clientPart);
            if (flags & RDW_ERASE) w->FEraseDirty = true;
        }
        if ((flags & RDW_FRAME) && reachesFrame) w->FNcDirty = true;
    } else if (flags & RDW_VALIDATE) {
        w->FUpdate.Subtract(windowRegion);
        if (flags & RDW_NOERASE) w->FEraseDirty = false;
        if (flags & RDW_NOFRAME) w->FNcDirty = false; // drops the pending WM_NCPAINT whatever the area
        if (w->FUpdate.IsEmpty()) w->FEraseDirty = false;
    }
    // A paint message without anything invalid, asked for or taken back on its own.
    if (flags & RDW_INTERNALPAINT) w->FInternalPaint = true;
    if (flags & RDW_NOINTERNALPAINT) w->FInternalPaint = false;
    if (flags & RDW_NOCHILDREN) return;
    if (!(flags & RDW_ALLCHILDREN) && (w->FStyle & WS_CLIPCHILDREN)) return;
    if (clientPart.IsEmpty()) return;
    for (Window* c : w->FChildren) {
        Region part = clientPart;
        part.Offset(-w->FClient.Left - c->FRect.Left, -w->FClient.Top - c->FRect.Top);
        part.Intersect(c->WindowBounds());
        if (part.IsEmpty()) continue;
        // A parent that paints over a child also paints over its frame.
        Invalidate(c, part, (flags & RDW_INVALIDATE) ? (flags | RDW_FRAME) : flags);
    }
}

bool PaintManager::NeedsPaint(const Window* w) const {
    return !w->FUpdate.IsEmpty() || w->FInternalPaint;
}

static Window* FindPaint(Window* w, HWND filter, PaintManager& pm, bool& restart) {
    if (!(w->FStyle & WS_VISIBLE) || !w->FRedraw) return nullptr;
    bool match = !filter || w->FHandle == filter || IsChild(filter, w->FHandle);
    if (match && w->FNcDirty) {
        pm.SendNcPaint(w->FHandle);
        restart = true; // the handler may have changed the tree
        return nullptr;
    }
    if (match && pm.NeedsPaint(w)) {
        if (!w->FEraseDirty) return w;
        pm.EraseNow(w->FHandle);
        restart = true;
        return nullptr;
    }
    for (auto it = w->FChildren.rbegin(); it != w->FChildren.rend(); ++it) {
        if (Window* found = FindPaint(*it, filter, pm, restart)) return found;
        if (restart) return nullptr;
    }
    return nullptr;
}

Window* PaintManager::NextToPaint(HWND filter) {
    for (int guard = 0; guard < 10000; ++guard) {
        bool restart = false;
        Window* found = nullptr;
        std::vector<Window*> tops = FWs.TopLevels();
        for (auto it = tops.rbegin(); it != tops.rend() && !found && !restart; ++it) {
            if ((*it)->FStyle & WS_MINIMIZE) continue;
            found = FindPaint(*it, filter, *this, restart);
        }
        if (!restart) return found;
    }
    return nullptr;
}

void PaintManager::SendNcPaint(HWND hwnd) {
    Window* w = FWs.Find(hwnd);
    if (!w || !w->FNcDirty) return;
    w->FNcDirty = false;
    SendMessage(hwnd, WM_NCPAINT, 1, 0);
}

HDC PaintManager::MakeDc(Window* w, const Region& clip, TPoint origin) {
    Window* top = w->TopLevel();
    DcEntry e;
    e.Dc = std::make_unique<DeviceContext>(&top->FBacking);
    e.Dc->SetViewportOrg(origin.X, origin.Y);
    e.Dc->SetSystemClip(clip);
    e.Dc->SelectFont(w->FFont);
    e.Hwnd = w->FHandle;
    e.Top = top->FHandle;
    e.Clip = clip;
    HDC dc = e.Dc.get();
    FDcs.push_back(std::move(e));
    return dc;
}

bool PaintManager::SendErase(HWND hwnd, const Region& clipTop) {
    Window* w = FWs.Find(hwnd);
    if (!w) return false;
    w->FEraseDirty = false;
    TPoint o = w->OriginInTop();
    HDC dc = MakeDc(w, clipTop, {o.X + w->FClient.Left, o.Y + w->FClient.Top});
    LRESULT erased = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(dc);
    return erased != 0;
}

void PaintManager::EraseNow(HWND hwnd) {
    Window* w = FWs.Find(hwnd);
    if (!w || !w->FEraseDirty) return;
    Region update = w->FUpdate;
    TPoint o = w->OriginInTop();
    update.Offset(o.X, o.Y);
    Region clip = VisibleRegion(w, true, (w->FStyle & WS_CLIPCHILDREN) != 0, (w->FStyle & WS_CLIPSIBLINGS) != 0);
    clip.Intersect(update);
    bool erased = SendErase(hwnd, clip);
    if ((w = FWs.Find(hwnd))) w->FEraseUnanswered = !erased;
}

HDC PaintManager::BeginPaint(Window* w, PAINTSTRUCT* ps) {
    ++FBeginPaintCount;
    HWND hwnd = w->FHandle;
    if (w->FNcDirty) {
        SendNcPaint(hwnd);
        if (!(w = FWs.Find(hwnd))) return nullptr;
    }
    Region update = w->FUpdate;
    bool erase = w->FEraseDirty;
    bool unanswered = w->FEraseUnanswered;
    w->FEraseUnanswered = false;
    w->FUpdate = Region();
    w->FInternalPaint = false;
    w->FEraseDirty = false;
    TPoint o = w->OriginInTop();
    update.Offset(o.X, o.Y);
    Region clip = VisibleRegion(w, true, (w->FStyle & WS_CLIPCHILDREN) != 0, (w->FStyle & WS_CLIPSIBLINGS) != 0);
    clip.Intersect(update);
    PAINTSTRUCT out;
    TPoint co{o.X + w->FClient.Left, o.Y + w->FClient.Top};
    out.rcPaint = update.BoundingBox().Offset(-co.X, -co.Y);
    out.fErase = unanswered ? TRUE : FALSE;
    if (erase) {
        out.fErase = SendErase(hwnd, clip) ? FALSE : TRUE;
        if (!(w = FWs.Find(hwnd))) return nullptr;
    }
    out.hdc = MakeDc(w, clip, co);
    if (ps) *ps = out;
    return out.hdc;
}

void PaintManager::EndPaint(const PAINTSTRUCT* ps) {
    if (ps) ReleaseDC(ps->hdc);
}

HDC PaintManager::GetDCEx(Window* w, const Region* clipScreen, DWORD flags) {
    bool windowDc = (flags & DCX_WINDOW) != 0;
    bool clipChildren = (flags & DCX_CLIPCHILDREN) || (w->FStyle & WS_CLIPCHILDREN);
    bool clipSiblings = (flags & DCX_CLIPSIBLINGS) || (w->FStyle & WS_CLIPSIBLINGS);
    Region clip = VisibleRegion(w, !windowDc, clipChildren, clipSiblings);
    if (clipScreen && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
        Region r = *clipScreen;
        TPoint s = w->TopLevel()->FRect.TopLeft();
        r.Offset(-s.X, -s.Y);
        if (flags & DCX_INTERSECTRGN) clip.Intersect(r);
        else clip.Subtract(r);
    }
    TPoint o = w->OriginInTop();
    if (!windowDc) o = {o.X + w->FClient.Left, o.Y + w->FClient.Top};
    return MakeDc(w, clip, o);
}

bool PaintManager::ReleaseDC(HDC dc) {
    auto it = std::find_if(FDcs.begin(), FDcs.end(), [dc](const DcEntry& e) { return e.Dc.get() == dc; });
    if (it == FDcs.end()) return false;
    if (Window* top = FWs.Find(it->Top)) MarkDirty(top, it->Clip);
    FDcs.erase(it);
    return true;
}

void PaintManager::ForgetWindow(HWND hwnd) {
    // A handler may still hold the context (destroyed between BeginPaint and EndPaint): it stays
    // valid but draws nowhere until it is released.
    for (DcEntry& e : FDcs)
        if (e.Hwnd == hwnd || e.Top == hwnd) {
            e.Dc->SelectBitmap(nullptr);
            e.Dc->SetSystemClip(Region());
            e.Hwnd = e.Top = nullptr;
            e.Clip = Region();
        }
}

void PaintManager::MarkDirty(Window* top, const Region& topRegion) {
    if (!topRegion.IsEmpty()) top->FDirty.Unite(topRegion);
}

void PaintManager::FlushPresents() {
    for (Window* top : FWs.TopLevels()) {
        if (top->FDirty.IsEmpty() || !top->FRedraw) continue;
        Region dirty = std::move(top->FDirty);
        top->FDirty = Region();
        if (top->FLayered && top->FLayered->FHasImage) continue; // its own image was presented
        FWs.GetBackend().Present(top->FHandle, top->FBacking, dirty);
    }
}

// A size whose bitmap does not fit in memory leaves the window without one: it shows nothing
// and takes no drawing until a size that fits. The failure is reported to the message loop and
// tried again only for another size, so that calls that keep the size (a frame change while a
// window is destroyed) never allocate.
void PaintManager::SizeBacking(Window* top) {
    const TSize wanted{std::max(0, top->FRect.Width()), std::max(0, top->FRect.Height())};
    if (top->FBackingSize == wanted) return;
    top->FBackingSize = wanted;
    top->FDirty = Region(top->WindowBounds());
    // The old pixels go first, so that the two bitmaps never need room at once.
    top->FBacking = Bitmap();
    try {
        top->FBacking = Bitmap(wanted.cx, wanted.cy);
    } catch (const std::exception&) { // bad_alloc, or length_error past what a vector can hold
        PostThreadMessage(0, BackingFailedMessage(), static_cast<WPARAM>(wanted.cx), wanted.cy);
    }
}

void PaintManager::PaintTree(HWND hwnd, bool children, bool eraseOnly) {
    Window* w = FWs.Find(hwnd);
    if (!w || !w->IsShowing() || w->IsRedrawSuppressed()) return;
    SendNcPaint(hwnd);
    if (!(w = FWs.Find(hwnd))) return;
    if (eraseOnly) {
        EraseNow(hwnd);
    } else if (NeedsPaint(w)) {
        EraseNow(hwnd);
        if (!(w = FWs.Find(hwnd))) return;
        std::uint64_t before = FBeginPaintCount;
        Region pending = w->FUpdate;
        SendMessage(hwnd, WM_PAINT, 0, 0);
        // A procedure that ignores WM_PAINT must not make the loop paint it for ever.
        if (before == FBeginPaintCount && (w = FWs.Find(hwnd))) {
            w->FUpdate.Subtract(pending);
            w->FInternalPaint = false;
        }
    }
    if (!children || !(w = FWs.Find(hwnd))) return;
    std::vector<HWND> kids;
    for (auto it = w->FChildren.rbegin(); it != w->FChildren.rend(); ++it) kids.push_back((*it)->FHandle);
    for (HWND k : kids) PaintTree(k, true, eraseOnly);
}

void PaintManager::UpdateNow(HWND hwnd, bool children, bool eraseOnly) {
    PaintTree(hwnd, children, eraseOnly);
}
