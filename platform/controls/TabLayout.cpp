// Tab control geometry.
#include "platform/controls/TabLayout.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/window/SystemApi.h"

#include <algorithm>

namespace {
constexpr int kTabsLeft = 2;    // room for the selected tab to grow
constexpr int kTabsTop = 2;
constexpr int kButtonGap = 3;
constexpr int kFrameMargin = 4; // frame edge and gap around the page area
}

TabLayout::TabLayout(const TInput& in) : FButtons((in.Style & (TCS_BUTTONS | TCS_FLATBUTTONS)) != 0) {
    int height = in.ItemHeight > 0 ? in.ItemHeight : in.FontHeight + 7;
    FRowTop = FButtons ? 0 : kTabsTop;
    FRowBottom = FRowTop + height;
    int x = FButtons ? 0 : kTabsLeft;
    for (int i = 0; i < static_cast<int>(in.TextWidths.size()); ++i) {
        int w = ItemWidth(in, i);
        FRects.push_back({x, FRowTop, x + w, FRowBottom});
        x += w + (FButtons ? kButtonGap : 0);
    }
    int width = in.Client.cx;
    FStrip = {0, 0, width, FRowBottom};
    if (!FRects.empty() && FRects.back().Right > width) {
        int aw = GetSystemMetrics(SM_CXHSCROLL), ah = std::min(height, GetSystemMetrics(SM_CYHSCROLL));
        int top = std::max(0, FRowBottom - ah - 1);
        FRightArrow = {width - aw, top, width, top + ah};
        FLeftArrow = FRightArrow.Offset(-aw, 0);
        FStrip.Right = FLeftArrow.Left;
        FMaxFirst = Count() - 1;
        while (FMaxFirst > 0 && FRects.back().Right - (FRects[FMaxFirst - 1].Left - FRects[0].Left) <= FStrip.Right)
            --FMaxFirst;
    }
    FFirst = std::clamp(in.First, 0, FMaxFirst);
    FOffset = FRects.empty() ? 0 : FRects[FFirst].Left - FRects[0].Left;
    FFrame = FButtons ? TRect{0, FRowBottom + kButtonGap, width, in.Client.cy} : TRect{0, FRowBottom, width, in.Client.cy};
}

int TabLayout::ItemWidth(const TInput& in, int index) const {
    if (in.Style & TCS_FIXEDWIDTH) return in.ItemWidth > 0 ? in.ItemWidth : kDefaultFixedWidth;
    return std::max(in.TextWidths[index] + 2 * kPaddingX, FRowBottom - FRowTop);
}

TRect TabLayout::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    return FRects[index].Offset(-FOffset, 0);
}

TRect TabLayout::Raised(int index) const {
    TRect r = Item(index);
    if (FButtons || r.IsEmpty()) return r;
    return {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1};
}

TRect TabLayout::AdjustRect(TRect r, bool larger) const {
    int top = FFrame.Top + (FButtons ? 0 : kFrameMargin);
    int side = FButtons ? 0 : kFrameMargin;
    int sign = larger ? -1 : 1;
    return {r.Left + sign * side, r.Top + sign * top, r.Right - sign * side, r.Bottom - sign * side};
}

int TabLayout::HitTest(TPoint p) const {
    if (!FStrip.Contains(p)) return -1;
    for (int i = FFirst; i < Count(); ++i)
        if (Item(i).Contains(p)) return i;
    return -1;
}

int TabLayout::FirstShowing(int index) const {
    if (index < 0 || index >= Count() || !Scrolls()) return FFirst;
    if (index < FFirst) return index;
    int first = FFirst;
    while (first < index && FRects[index].Right - (FRects[first].Left - FRects[0].Left) > FStrip.Right) ++first;
    return std::min(first, FMaxFirst);
}
