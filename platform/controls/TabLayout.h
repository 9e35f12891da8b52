// Where the tabs of a tab control lie: one row along the top, scrolled sideways when it does not
// fit, the scroll arrows at its right end, and the page area below it.
#pragma once

#include "platform/window/WinTypes.h"

#include <vector>

class TabLayout {
public:
    struct TInput {
        TSize Client;
        DWORD Style = 0;
        std::vector<int> TextWidths; // one per tab
        int ItemWidth = 0;           // TCM_SETITEMSIZE; 0: the default
        int ItemHeight = 0;          // 0: from the font
        int FontHeight = 13;
        int First = 0;               // first tab shown at the left end
    };
    static constexpr int kPaddingX = 6;
    static constexpr int kDefaultFixedWidth = 96;

    explicit TabLayout(const TInput& in);

    int Count() const { return static_cast<int>(FRects.size()); }
    int ItemHeight() const { return FRowBottom - FRowTop; }
    // The tab's rectangle in client coordinates as TCM_GETITEMRECT reports it (a selected tab
    // is drawn a little larger, see Raised); tabs scrolled off lie left of the client area.
    TRect Item(int index) const;
    // The selected tab as drawn: wider and taller, overlapping the page frame.
    TRect Raised(int index) const;
    // The row of tabs, between the window's left edge and the scroll arrows.
    TRect Strip() const { return FStrip; }
    // The page frame below the row (the whole page area for button styles).
    TRect Frame() const { return FFrame; }
    // TCM_ADJUSTRECT: a window rectangle to the page area inside it, or back (larger).
    TRect AdjustRect(TRect rect, bool larger) const;
    int HitTest(TPoint p) const;

    bool Scrolls() const { return !FLeftArrow.IsEmpty(); }
    TRect LeftArrow() const { return FLeftArrow; }
    TRect RightArrow() const { return FRightArrow; }
    int First() const { return FFirst; }
    // The largest first tab that still leaves no empty space at the right end.
    int MaxFirst() const { return FMaxFirst; }
    // The first tab that shows the given one whole, starting from the current one.
    int FirstShowing(int index) const;

private:
    int ItemWidth(const TInput& in, int index) const;

    bool FButtons;
    int FRowTop = 0;
    int FRowBottom = 0;
    int FFirst = 0;
    int FMaxFirst = 0;
    int FOffset = 0;
    std::vector<TRect> FRects; // unscrolled
    TRect FStrip;
    TRect FFrame;
    TRect FLeftArrow;
    TRect FRightArrow;
};
