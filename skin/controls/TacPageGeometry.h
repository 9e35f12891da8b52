// Where the parts of a skinned page control lie: the page area, the tabs area, each tab as it is
// drawn, the row a tab is in, the tab under a point and the scroll arrows of an overflowing row.
#pragma once

#include "platform/gfx/Geometry.h"

class TPageControl;

// Client coordinates throughout; the tabs lie on the control's TabPosition side. A is the page
// rectangle the platform gives (the control's DisplayRect).
class TacPageGeometry {
public:
    explicit TacPageGeometry(const TPageControl& control) : FControl(control) {}

    // The whole control but the tabs' side: from A.Top - 4 down for tabs on top, up to
    // A.Bottom + 1 for tabs below, from A.Left - 1 or up to A.Right + 1 for tabs on a side.
    TRect PageRect() const;
    // The rest of the control: the band the tabs lie in.
    TRect TabsRect() const;
    // The platform's rectangle of the page's tab, reshaped for tsTabs by the side and by whether
    // it is drawn active (it then overlaps the page frame); empty for a page without a visible
    // tab or when the control has no active page.
    TRect TabRect(int pageIndex, bool active) const;
    // The row (1 nearest the control's edge) of the page's tab, counted in tab thicknesses from
    // the tabs' side; 0 for a page without a tab.
    int RowOf(int pageIndex) const;
    // The platform's number of tab rows.
    int RowCount() const;
    // The page whose tab (as drawn inactive) holds the point; -1 for none.
    int PageAt(TPoint p) const;

private:
    TRect ItemRect(int tabIndex) const;
    TRect PageItemRect(int pageIndex) const;
    bool Vertical() const;

    const TPageControl& FControl;
};
