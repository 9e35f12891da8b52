// Tab control geometry.
#include "platform/controls/TabLayout.h"
#include "platform/window/SystemApi.h"

#include <algorithm>

namespace {
constexpr int kTabsLeft = 2;    // room for the selected tab to grow
constexpr int kTabsTop = 2;
constexpr int kButtonGap = 3;
constexpr int kFrameMargin = 4; // frame edge and gap around the page area
// Beside a row on the bottom or a side the page area starts at the frame's inner edge: a
// skinned page control's selected tab, shaped for that side, then covers the page's border
// where it joins it, as it does under a top row.
constexpr int kRowMarginBelow = 2;
}

TabLayout::TabLayout(const TInput& in)
    : FSide(TabSideOf(in.Style)), FButtons((in.Style & (TCS_BUTTONS | TCS_FLATBUTTONS)) != 0), FClient(in.Client) {
    int height = in.ItemHeight > 0 ? in.ItemHeight : in.FontHeight + 7;
    FRowTop = FButtons ? 0 : kTabsTop;
    FRowBottom = FRowTop + height;
    int x = FButtons ? 0 : kTabsLeft;
    for (int i = 0; i < static_cast<int>(in.TextWidths.size()); ++i) {
        int w = ItemWidth(in, i);
        FRects.push_back({x, FRowTop, x + w, FRowBottom});
        x += w + (FButtons ? kButtonGap : 0);
    }
    const int length = Vertical() ? in.Client.cy : in.Client.cx;
    const int across = Vertical() ? in.Client.cx : in.Client.cy;
    FStrip = {0, 0, length, FRowBottom};
    // A column has no arrows: it shows what fits.
    if (!Vertical() && !FRects.empty() && FRects.back().Right > length) PlaceArrows(length);
    FFirst = std::clamp(in.First, 0, FMaxFirst);
    FOffset = FRects.empty() ? 0 : FRects[FFirst].Left - FRects[0].Left;
    FFrame = {0, FRowBottom + (FButtons ? kButtonGap : 0), length, across};
}

void TabLayout::PlaceArrows(int length) {
    const int height = FRowBottom - FRowTop;
    int aw = GetSystemMetrics(SM_CXHSCROLL), ah = std::min(height, GetSystemMetrics(SM_CYHSCROLL));
    int top = std::max(0, FRowBottom - ah - 1);
    FRightArrow = {length - aw, top, length, top + ah};
    FLeftArrow = FRightArrow.Offset(-aw, 0);
    FStrip.Right = FLeftArrow.Left;
    FMaxFirst = Count() - 1;
    while (FMaxFirst > 0 && FRects.back().Right - (FRects[FMaxFirst - 1].Left - FRects[0].Left) <= FStrip.Right)
        --FMaxFirst;
}

int TabLayout::ItemWidth(const TInput& in, int index) const {
    if (in.Style & TCS_FIXEDWIDTH) return in.ItemWidth > 0 ? in.ItemWidth : kDefaultFixedWidth;
    return std::max(in.TextWidths[index] + 2 * kPaddingX, FRowBottom - FRowTop);
}

// Along the row is x on top and bottom, y on the sides; across it runs from the control's edge
// toward the page.
TRect TabLayout::Turn(const TRect& r) const {
    if (r.IsEmpty()) return r;
    switch (FSide) {
    case TTabSide::sdBottom: return {r.Left, FClient.cy - r.Bottom, r.Right, FClient.cy - r.Top};
    case TTabSide::sdLeft: return {r.Top, r.Left, r.Bottom, r.Right};
    case TTabSide::sdRight: return {FClient.cx - r.Bottom, r.Left, FClient.cx - r.Top, r.Right};
    case TTabSide::sdTop: break;
    }
    return r;
}

TRect TabLayout::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    return Turn(FRects[index].Offset(-FOffset, 0));
}

TRect TabLayout::Raised(int index) const {
    if (FButtons || index < 0 || index >= Count()) return Item(index);
    const TRect r = FRects[index].Offset(-FOffset, 0);
    return Turn({r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1});
}

TRect TabLayout::AdjustRect(TRect r, bool larger) const {
    const int row = FFrame.Top + (FButtons ? 0 : FSide == TTabSide::sdTop ? kFrameMargin : kRowMarginBelow);
    const int side = FButtons ? 0 : kFrameMargin;
    const int sign = larger ? -1 : 1;
    auto inset = [&](TTabSide s) { return sign * (s == FSide ? row : side); };
    return {r.Left + inset(TTabSide::sdLeft), r.Top + inset(TTabSide::sdTop), r.Right - inset(TTabSide::sdRight),
            r.Bottom - inset(TTabSide::sdBottom)};
}

int TabLayout::HitTest(TPoint p) const {
    if (!Strip().Contains(p)) return -1;
    for (int i = FFirst; i < Count(); ++i)
        if (Item(i).Contains(p)) return i;
    return -1;
}

TPoint TabLayout::Outward() const {
    switch (FSide) {
    case TTabSide::sdBottom: return {0, 1};
    case TTabSide::sdLeft: return {-1, 0};
    case TTabSide::sdRight: return {1, 0};
    case TTabSide::sdTop: break;
    }
    return {0, -1};
}

int TabLayout::FirstShowing(int index) const {
    if (index < 0 || index >= Count() || !Scrolls()) return FFirst;
    if (index < FFirst) return index;
    int first = FFirst;
    while (first < index && FRects[index].Right - (FRects[first].Left - FRects[0].Left) > FStrip.Right) ++first;
    return std::min(first, FMaxFirst);
}
