// Scroll-bar geometry.
#include "platform/window/ScrollBarLayout.h"

#include <algorithm>

namespace {
// A rectangle spanning [from, to) along the axis and the bar's full width across it.
TRect Span(const TRect& bar, bool vertical, int from, int to) {
    return vertical ? TRect{bar.Left, from, bar.Right, to} : TRect{from, bar.Top, to, bar.Bottom};
}
}

TScrollLayout ScrollBarLayout::Compute(const TRect& bar, bool vertical, const ScrollBarState& state, bool enabled) {
    TScrollLayout l;
    l.Vertical = vertical;
    l.Bar = bar;
    l.Enabled = enabled;
    int start = vertical ? bar.Top : bar.Left;
    int length = vertical ? bar.Height() : bar.Width();
    int across = vertical ? bar.Width() : bar.Height();
    // Arrows are square, and share a bar too short for both.
    int arrow = std::min(across, length / 2);
    l.Up = Span(bar, vertical, start, start + arrow);
    l.Down = Span(bar, vertical, start + length - arrow, start + length);
    l.TroughStart = start + arrow;
    l.TroughLength = std::max(0, length - 2 * arrow);
    int range = state.Max() - state.Min() + 1;
    int thumb = state.Page() > 0 ? static_cast<int>(static_cast<long long>(l.TroughLength) * state.Page() / std::max(range, 1)) : across;
    thumb = std::max(thumb, std::min(kMinThumb, across));
    if (!enabled || !state.Scrollable() || thumb > l.TroughLength) {
        l.PageUp = Span(bar, vertical, l.TroughStart, l.TroughStart + l.TroughLength);
        return l;
    }
    l.ThumbLength = thumb;
    int at = l.TroughStart + ThumbFromPos(l, state, state.ShownPos());
    l.Thumb = Span(bar, vertical, at, at + thumb);
    l.PageUp = Span(bar, vertical, l.TroughStart, at);
    l.PageDown = Span(bar, vertical, at + thumb, l.TroughStart + l.TroughLength);
    return l;
}

int ScrollBarLayout::ThumbFromPos(const TScrollLayout& layout, const ScrollBarState& state, int pos) {
    int span = state.MaxPos() - state.Min();
    int room = layout.TroughLength - layout.ThumbLength;
    if (span <= 0 || room <= 0) return 0;
    return static_cast<int>(static_cast<long long>(pos - state.Min()) * room / span);
}

int ScrollBarLayout::PosFromThumb(const TScrollLayout& layout, const ScrollBarState& state, int thumbStart) {
    int span = state.MaxPos() - state.Min();
    int room = layout.TroughLength - layout.ThumbLength;
    if (span <= 0 || room <= 0) return state.Min();
    int offset = std::clamp(thumbStart, 0, room);
    // Rounded to the nearest position, so that every position can be reached by dragging.
    return state.Min() + static_cast<int>((static_cast<long long>(offset) * span + room / 2) / room);
}

TScrollPart ScrollBarLayout::HitTest(const TScrollLayout& l, const ScrollBarState& state, TPoint pt) {
    if (!l.Enabled || !l.Bar.Contains(pt)) return TScrollPart::spNone;
    if (l.Up.Contains(pt)) return (state.DisabledArrows() & ESB_DISABLE_LTUP) ? TScrollPart::spNone : TScrollPart::spLineUp;
    if (l.Down.Contains(pt)) return (state.DisabledArrows() & ESB_DISABLE_RTDN) ? TScrollPart::spNone : TScrollPart::spLineDown;
    if (l.Thumb.IsEmpty()) return TScrollPart::spNone;
    if (l.Thumb.Contains(pt)) return TScrollPart::spThumb;
    if (l.PageUp.Contains(pt)) return TScrollPart::spPageUp;
    if (l.PageDown.Contains(pt)) return TScrollPart::spPageDown;
    return TScrollPart::spNone;
}
