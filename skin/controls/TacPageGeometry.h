// Where the parts of a skinned page control lie: the page area, the tab row, each tab as it is
// drawn, the tab under a point and the scroll arrows of an overflowing row.
#pragma once

#include "platform/gfx/Geometry.h"

class TPageControl;

// Tabs lie along the top; client coordinates throughout.
class TacPageGeometry {
public:
    explicit TacPageGeometry(const TPageControl& control) : FControl(control) {}

    // The whole control from 4 pixels above the display area down.
    TRect PageRect() const;
    // The whole control down to 4 pixels above the display area.
    TRect TabsRect() const;
    // The platform's rectangle of the page's tab, grown for an active tab of tsTabs (it overlaps
    // the page frame) and shrunk for an inactive one; empty for a page without a visible tab or
    // when the control has no active page.
    TRect TabRect(int pageIndex, bool active) const;
    // The page whose tab (as drawn inactive) holds the point; -1 for none.
    int PageAt(TPoint p) const;
    // The row of tabs runs past the control's width, or has been scrolled.
    bool Overflows() const;
    // The platform's two scroll arrows at the right end of the row, when the row overflows.
    TRect LeftArrow() const;
    TRect RightArrow() const;

private:
    TRect ItemRect(int tabIndex) const;

    const TPageControl& FControl;
};
