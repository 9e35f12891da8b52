// Assembles a region band by band, keeping the y-x banded form that makes equal sets compare equal.
#pragma once

#include "platform/gfx/Region.h"

#include <cstddef>
#include <vector>

// A horizontal run [Left, Right) within one band.
struct TSpan {
    int Left = 0;
    int Right = 0;

    friend constexpr bool operator==(const TSpan&, const TSpan&) = default;
};

// Bands must come top to bottom without overlapping; each band's spans sorted, disjoint and not
// touching. A band directly below an identical one extends it instead of starting a new one.
class RegionBuilder {
public:
    void AddBand(int top, int bottom, const std::vector<TSpan>& spans);
    Region Finish();

private:
    bool ExtendsLastBand(int top, const std::vector<TSpan>& spans) const;

    std::vector<TRect> FRects;
    std::size_t FLastBand = 0; // index of the first rectangle of the last band
};
