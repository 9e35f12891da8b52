// The page control's parts.
#include "skin/controls/TacPageGeometry.h"

#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/window/Win.h"

#include <algorithm>

TRect TacPageGeometry::PageRect() const {
    TRect r = FControl.ClientRect();
    r.Top = FControl.DisplayRect().Top - 4;
    return r;
}

TRect TacPageGeometry::TabsRect() const {
    TRect r = FControl.ClientRect();
    r.Bottom = FControl.DisplayRect().Top - 4;
    return r;
}

TRect TacPageGeometry::ItemRect(int tabIndex) const {
    TRect r;
    if (tabIndex < 0 || !FControl.HandleAllocated()) return {};
    if (!SendMessage(FControl.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(tabIndex), reinterpret_cast<LPARAM>(&r)))
        return {};
    return r;
}

TRect TacPageGeometry::TabRect(int pageIndex, bool active) const {
    if (pageIndex < 0 || pageIndex >= FControl.PageCount() || !FControl.ActivePage()) return {};
    TRect r = ItemRect(FControl.Pages(pageIndex)->TabIndex());
    if (r.IsEmpty() || FControl.Style() != tsTabs) return r;
    if (active) {
        r.Bottom -= 1;
        r = r.Inflate(2, 2);
    } else {
        r.Bottom += 3;
        r.Right -= 1;
    }
    r.Bottom += 1;
    return r;
}

int TacPageGeometry::PageAt(TPoint p) const {
    for (int i = 0; i < FControl.PageCount(); ++i)
        if (TabRect(i, false).Contains(p)) return i;
    return -1;
}

bool TacPageGeometry::Overflows() const {
    const int width = FControl.ClientWidth();
    for (int i = 0; i < FControl.PageCount(); ++i) {
        const TRect r = ItemRect(FControl.Pages(i)->TabIndex());
        if (!r.IsEmpty() && (r.Right > width || r.Left < 0)) return true;
    }
    return false;
}

// As the platform places them: the height of the row at most, one pixel above its bottom.
TRect TacPageGeometry::RightArrow() const {
    if (!Overflows()) return {};
    const TRect row = ItemRect(0).IsEmpty() ? TabsRect() : ItemRect(0);
    const int w = GetSystemMetrics(SM_CXHSCROLL);
    const int h = std::min(row.Height(), GetSystemMetrics(SM_CYHSCROLL));
    const int top = std::max(0, row.Bottom - h - 1);
    const int right = FControl.ClientWidth();
    return {right - w, top, right, top + h};
}

TRect TacPageGeometry::LeftArrow() const {
    const TRect right = RightArrow();
    return right.IsEmpty() ? right : right.Offset(-right.Width(), 0);
}
