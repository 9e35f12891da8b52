// Clipped writes of horizontal pixel runs into a bitmap: the one place drawing meets the clip.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"

#include <algorithm>
#include <climits>

// All coordinates are device coordinates. The clip is expected to lie inside the bitmap; the
// optional limit narrows it further without building a new region (DrawText's rectangle).
class SpanTarget {
public:
    static constexpr TRect kNoLimit{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};

    SpanTarget(Bitmap& target, const Region& clip, const TRect& limit = kNoLimit)
        : FTarget(target), FClip(clip), FLimit(limit) {}

    Bitmap& Target() const { return FTarget; }
    std::uint8_t* Address(int x, int y) const { return FTarget.PixelAddress(x, y); }

    // Calls fn(x0, x1) for every visible part [x0, x1) of the run [x0, x1) on row y.
    template <class Fn> void ForEachVisibleSpan(int y, int x0, int x1, Fn&& fn) const {
        if (y < FLimit.Top || y >= FLimit.Bottom) return;
        x0 = std::max(x0, FLimit.Left);
        x1 = std::min(x1, FLimit.Right);
        if (x0 >= x1) return;
        const std::vector<TRect>& rects = FClip.Rects();
        auto it = std::lower_bound(rects.begin(), rects.end(), y, [](const TRect& r, int row) { return r.Bottom <= row; });
        for (; it != rects.end() && it->Top <= y && it->Left < x1; ++it) {
            const int a = std::max(x0, it->Left);
            const int b = std::min(x1, it->Right);
            if (a < b) fn(a, b);
        }
    }

    void FillSpan(int y, int x0, int x1, TColor rgb) const;
    void InvertSpan(int y, int x0, int x1) const;
    void FillRect(const TRect& rect, TColor rgb) const;
    void SetPixel(int x, int y, TColor rgb) const { FillSpan(y, x, x + 1, rgb); }
    // Copies source pixels (sx, sy, width x height) to (x, y); 24/32-bit conversion as needed,
    // alpha kept between 32-bit bitmaps and set to 255 otherwise.
    void Copy(int x, int y, int width, int height, const Bitmap& source, int sx, int sy) const;

private:
    Bitmap& FTarget;
    const Region& FClip;
    TRect FLimit;
};
