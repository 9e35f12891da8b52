// The per-window record: walks up the tree for visibility, enabling and coordinates.
#include "platform/window/Window.h"

Window* Window::TopLevel() {
    Window* w = this;
    while (w->FParent) w = w->FParent;
    return w;
}

bool Window::IsShowing() const {
    for (const Window* w = this; w; w = w->FParent)
        if (!(w->FStyle & WS_VISIBLE)) return false;
    return true;
}

bool Window::IsEnabledChain() const {
    for (const Window* w = this; w; w = w->FParent)
        if (w->FStyle & WS_DISABLED) return false;
    return true;
}

bool Window::IsRedrawSuppressed() const {
    for (const Window* w = this; w; w = w->FParent)
        if (!w->FRedraw) return true;
    return false;
}

bool Window::IsDescendantOf(const Window* ancestor) const {
    for (const Window* w = FParent; w; w = w->FParent)
        if (w == ancestor) return true;
    return false;
}

TPoint Window::ScreenOrigin() const {
    TPoint p = FRect.TopLeft();
    for (const Window* w = FParent; w; w = w->FParent) {
        p.X += w->FRect.Left + w->FClient.Left;
        p.Y += w->FRect.Top + w->FClient.Top;
    }
    return p;
}

TPoint Window::OriginInTop() const {
    if (!FParent) return {0, 0};
    TPoint p = FRect.TopLeft();
    for (const Window* w = FParent; w; w = w->FParent) {
        p.X += w->FClient.Left;
        p.Y += w->FClient.Top;
        if (w->FParent) {
            p.X += w->FRect.Left;
            p.Y += w->FRect.Top;
        }
    }
    return p;
}

TPoint Window::ClientScreenOrigin() const {
    TPoint p = ScreenOrigin();
    return {p.X + FClient.Left, p.Y + FClient.Top};
}

TRect Window::ScreenRect() const {
    TPoint p = ScreenOrigin();
    return Bounds(p.X, p.Y, FRect.Width(), FRect.Height());
}

TRect Window::ClientScreenRect() const {
    return FClient.Offset(ScreenOrigin().X, ScreenOrigin().Y);
}

bool Window::ContainsInParent(TPoint pt) const {
    if (!FRect.Contains(pt)) return false;
    if (!FShape) return true;
    return FShape->Contains({pt.X - FRect.Left, pt.Y - FRect.Top});
}
