// Where the tabs of a tab control lie: one row along the top or bottom (scrolled sideways when it
// does not fit, the scroll arrows at its right end) or one column down the left or right side,
// and the page area beside it.
#pragma once

#include "platform/controls/TabControlCodes.h"
#include "platform/window/WinTypes.h"

#include <vector>

// The geometry is worked out as if the tabs lay along the top (a tab's length runs along the
// row, its height across it) and then turned onto the side the style names, so every side
// shares one set of rules.
class TabLayout {
public:
    struct TInput {
        TSize Client;
        DWORD Style = 0;
        std::vector<int> TextWidths; // one per tab
        int ItemWidth = 0;           // TCM_SETITEMSIZE; 0: the default
        int ItemHeight = 0;          // 0: from the font
        int FontHeight = 13;
        int First = 0;               // first tab shown at the start of the row
    };
    static constexpr int kPaddingX = 6;
    static constexpr int kDefaultFixedWidth = 96;

    explicit TabLayout(const TInput& in);

    TTabSide Side() const { return FSide; }
    bool Vertical() const { return FSide == TTabSide::sdLeft || FSide == TTabSide::sdRight; }
    int Count() const { return static_cast<int>(FRects.size()); }
    // The thickness of the row: a tab's height on top or bottom, its width on either side.
    int ItemHeight() const { return FRowBottom - FRowTop; }
    // The tab's rectangle in client coordinates as TCM_GETITEMRECT reports it (a selected tab
    // is drawn a little larger, see Raised); tabs scrolled off lie left of the client area.
    TRect Item(int index) const;
    // The selected tab as drawn: larger on all sides but the page's, overlapping the page frame.
    TRect Raised(int index) const;
    // The band of tabs, up to the scroll arrows.
    TRect Strip() const { return Turn(FStrip); }
    // The strip and the two pixels of the page frame the selected tab covers.
    TRect TabsClip() const { return Turn({FStrip.Left, FStrip.Top, FStrip.Right, FRowBottom + 2}); }
    // The page frame beside the row (the whole page area for button styles).
    TRect Frame() const { return Turn(FFrame); }
    // TCM_ADJUSTRECT: a window rectangle to the page area inside it, or back (larger).
    TRect AdjustRect(TRect rect, bool larger) const;
    int HitTest(TPoint p) const;
    // One pixel away from the page, the way a selected tab's caption is lifted.
    TPoint Outward() const;

    bool Scrolls() const { return !FLeftArrow.IsEmpty(); }
    TRect LeftArrow() const { return Turn(FLeftArrow); }
    TRect RightArrow() const { return Turn(FRightArrow); }
    int First() const { return FFirst; }
    // The largest first tab that still leaves no empty space at the end of the row.
    int MaxFirst() const { return FMaxFirst; }
    // The first tab that shows the given one whole, starting from the current one.
    int FirstShowing(int index) const;

private:
    int ItemWidth(const TInput& in, int index) const;
    void PlaceArrows(int length);
    // A rectangle of the row-along-the-top frame onto the real side.
    TRect Turn(const TRect& r) const;

    TTabSide FSide;
    bool FButtons;
    TSize FClient;
    int FRowTop = 0;
    int FRowBottom = 0;
    int FFirst = 0;
    int FMaxFirst = 0;
    int FOffset = 0;
    std::vector<TRect> FRects; // unscrolled, in the top frame
    TRect FStrip;
    TRect FFrame;
    TRect FLeftArrow;
    TRect FRightArrow;
};
