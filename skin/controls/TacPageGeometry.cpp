// The page control's parts.
#include "skin/controls/TacPageGeometry.h"

#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/window/Win.h"

namespace {

TRect ShapedBySide(TRect r, TTabPosition side, bool active) {
    switch (side) {
    case tpTop:
        if (active) r = r.Inflate(2, 2);
        r.Bottom += 1;
        return r;
    case tpBottom:
        if (active) r = r.Inflate(2, 1);
        r.Top -= 2;
        r.Bottom += active ? 1 : -3;
        return r;
    case tpLeft:
        r = r.Inflate(0, 1);
        if (!active) return {r.Left, r.Top, r.Right + 4, r.Bottom - 4};
        r.Right += 2;
        return r.Inflate(1, 1);
    case tpRight:
        r = r.Inflate(1, 0).Offset(-1, -1);
        if (!active) return {r.Left, r.Top, r.Right, r.Bottom - 2};
        r = r.Inflate(1, 1);
        r.Bottom += 3;
        return r;
    }
    return r;
}

} // namespace

bool TacPageGeometry::Vertical() const {
    return FControl.TabPosition() == tpLeft || FControl.TabPosition() == tpRight;
}

TRect TacPageGeometry::PageRect() const {
    TRect r = FControl.ClientRect();
    const TRect a = FControl.DisplayRect();
    switch (FControl.TabPosition()) {
    case tpTop: r.Top = a.Top - 4; break;
    case tpBottom: r.Bottom = a.Bottom + 1; break;
    case tpLeft: r.Left = a.Left - 1; break;
    case tpRight: r.Right = a.Right + 1; break;
    }
    return r;
}

TRect TacPageGeometry::TabsRect() const {
    TRect r = FControl.ClientRect();
    const TRect a = FControl.DisplayRect();
    switch (FControl.TabPosition()) {
    case tpTop: r.Bottom = a.Top - 4; break;
    case tpBottom: r.Top = a.Bottom + 1; break;
    case tpLeft: r.Right = a.Left - 1; break;
    case tpRight: r.Left = a.Right + 1; break;
    }
    return r;
}

TRect TacPageGeometry::ItemRect(int tabIndex) const {
    TRect r;
    if (tabIndex < 0 || !FControl.HandleAllocated()) return {};
    if (!SendMessage(FControl.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(tabIndex), reinterpret_cast<LPARAM>(&r)))
        return {};
    return r;
}

TRect TacPageGeometry::PageItemRect(int pageIndex) const {
    if (pageIndex < 0 || pageIndex >= FControl.PageCount()) return {};
    return ItemRect(FControl.Pages(pageIndex)->TabIndex());
}

TRect TacPageGeometry::TabRect(int pageIndex, bool active) const {
    if (!FControl.ActivePage()) return {};
    TRect r = PageItemRect(pageIndex);
    if (r.IsEmpty() || FControl.Style() != tsTabs) return r;
    if (active) {
        r.Bottom -= 1;
    } else {
        r.Bottom += 3;
        r.Right -= 1;
    }
    return ShapedBySide(r, FControl.TabPosition(), active);
}

int TacPageGeometry::RowOf(int pageIndex) const {
    const TRect r = PageItemRect(pageIndex);
    if (r.IsEmpty()) return 0;
    const TSize client{FControl.ClientWidth(), FControl.ClientHeight()};
    const int thickness = Vertical() ? r.Width() : r.Height();
    switch (FControl.TabPosition()) {
    case tpTop: return (r.Bottom + thickness / 2) / thickness;
    case tpBottom: return (client.cy - r.Top + thickness / 2) / thickness;
    case tpLeft: return (r.Right + thickness / 2) / thickness;
    case tpRight: return (client.cx - r.Left + thickness / 2) / thickness;
    }
    return 0;
}

int TacPageGeometry::RowCount() const {
    if (!FControl.HandleAllocated()) return 0;
    return static_cast<int>(SendMessage(FControl.Handle(), TCM_GETROWCOUNT, 0, 0));
}

int TacPageGeometry::PageAt(TPoint p) const {
    for (int i = 0; i < FControl.PageCount(); ++i)
        if (TabRect(i, false).Contains(p)) return i;
    return -1;
}
