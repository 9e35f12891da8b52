// Walking the pixels of a source rectangle moved onto a destination, as the copies and blends do.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <cstdint>

// Calls fn(d, s, x, y) for every pixel of the inclusive source rectangle that exists in the source
// and, moved by (dx, dy), lands inside the destination at (x, y); d and s address the two pixels.
template <class Fn>
void ForEachMappedPixel(Bitmap& destination, const Bitmap& source, const TRect& sourceInclusive, int dx,
                        int dy, Fn&& fn) {
    const int left = std::max({sourceInclusive.Left, 0, -dx});
    const int top = std::max({sourceInclusive.Top, 0, -dy});
    const int right = std::min({sourceInclusive.Right, source.Width() - 1, destination.Width() - 1 - dx});
    const int bottom = std::min({sourceInclusive.Bottom, source.Height() - 1, destination.Height() - 1 - dy});
    const int sb = source.BytesPerPixel();
    const int db = destination.BytesPerPixel();
    for (int sy = top; sy <= bottom; ++sy) {
        const std::uint8_t* s = source.PixelAddress(left, sy);
        std::uint8_t* d = destination.PixelAddress(left + dx, sy + dy);
        for (int sx = left; sx <= right; ++sx, s += sb, d += db) fn(d, s, sx + dx, sy + dy);
    }
}
