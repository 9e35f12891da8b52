// Where the parts of a scroll bar lie: the two arrow buttons, the thumb sized by the page, and
// the page areas between; hit testing of a point and the position a dragged thumb stands for.
#pragma once

#include "platform/window/ScrollBarState.h"

struct TScrollLayout {
    bool Vertical = true;
    bool Enabled = true;    // false: everything inert and no thumb
    TRect Bar;
    TRect Up, Down;         // the arrows (left and right for a horizontal bar)
    TRect Thumb;            // empty when there is no room or nothing to scroll
    TRect PageUp, PageDown; // the trough before and after the thumb
    int TroughStart = 0;    // along the bar's axis
    int TroughLength = 0;
    int ThumbLength = 0;
};

class ScrollBarLayout {
public:
    static constexpr int kMinThumb = 8;

    static TScrollLayout Compute(const TRect& bar, bool vertical, const ScrollBarState& state, bool enabled);
    // The part under pt; spNone outside the bar or on an inert part (disabled arrow, no thumb).
    static TScrollPart HitTest(const TScrollLayout& layout, const ScrollBarState& state, TPoint pt);
    // The position shown when the thumb starts thumbStart pixels into the trough.
    static int PosFromThumb(const TScrollLayout& layout, const ScrollBarState& state, int thumbStart);
    // The pixel a thumb for pos starts at, into the trough.
    static int ThumbFromPos(const TScrollLayout& layout, const ScrollBarState& state, int pos);
};
