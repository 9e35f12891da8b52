// Where a track bar's channel, thumb and ticks lie for a given size, style and range, and which
// value a point along the channel stands for.
#pragma once

#include "platform/window/WinTypes.h"

// The layout is worked out along the axis (x for a horizontal bar, y for a vertical one): "along"
// coordinates run with the values, "across" ones at right angles. A vertical bar is the same
// layout transposed, so the minimum is at its top.
class TrackBarLayout {
public:
    static constexpr int kDefaultThumbLength = 23;
    static constexpr int kTickLength = 4;

    // thumbLength is used with TBS_FIXEDLENGTH; otherwise the thumb fits the window.
    TrackBarLayout(TSize client, DWORD style, int thumbLength, int min, int max);

    bool Vertical() const { return FVertical; }
    int ThumbLength() const { return FThumbLength; }
    // The channel in client coordinates.
    TRect Channel() const { return ToClient(FChannel); }
    // The channel in axis coordinates: what TBM_GETCHANNELRECT reports, x and y exchanged for a
    // vertical bar as callers of that message expect.
    TRect ChannelAlongAxis() const { return FChannel; }
    TRect Thumb(int pos) const;
    // The client coordinate along the axis of the thumb's centre at a value (a tick's place).
    int PixelOf(int pos) const;
    // The value whose thumb centre is nearest to a coordinate along the axis.
    int ValueAt(int along) const;
    // The along coordinate of a client point.
    int Along(TPoint p) const { return FVertical ? p.Y : p.X; }
    // The tick marks' rectangles across the axis, for the sides that have ticks; empty otherwise.
    TRect TickBefore(int pos) const;
    TRect TickAfter(int pos) const;
    bool TicksBefore() const { return FTicksBefore; }
    bool TicksAfter() const { return FTicksAfter; }

private:
    TRect ToClient(const TRect& axis) const;
    int ThumbStart(int pos) const;

    bool FVertical;
    bool FTicksBefore;
    bool FTicksAfter;
    int FThumbLength;
    int FThumbWidth;
    int FMin;
    int FMax;
    int FThumbTop = 0; // across
    TRect FChannel;    // axis coordinates
};
