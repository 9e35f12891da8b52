// A region as a set of non-overlapping rectangles, with the combine operations of a window system.
#pragma once

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

#include <vector>

class Bitmap;

// Combine modes, with the Win32 numbers.
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// Region kinds returned by the combine and clip operations.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

// Kept in y-x banded form (sorted by top, then left; touching rectangles merged), so two equal
// point sets always have equal rectangle lists and operator== compares point sets.
class Region {
public:
    Region() = default;
    explicit Region(const TRect& rect);
    static Region FromRects(const std::vector<TRect>& rects);
    // Every pixel of the bitmap whose colour differs from the key, offset by (dx, dy).
    static Region FromBitmapExceptKey(const Bitmap& bitmap, TColor key, int dx = 0, int dy = 0);

    bool IsEmpty() const { return FRects.empty(); }
    const std::vector<TRect>& Rects() const { return FRects; }
    TRect BoundingBox() const;
    bool Contains(TPoint p) const;
    bool Intersects(const TRect& rect) const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Kind() const;

    // a <mode> b, mode being one of the RGN_* values (RGN_COPY gives a).
    static Region Combine(const Region& a, const Region& b, int mode);
    Region& Intersect(const Region& other);
    Region& Unite(const Region& other);
    Region& Subtract(const Region& other);
    Region& Xor(const Region& other);
    Region& Intersect(const TRect& rect) { return Intersect(Region(rect)); }
    Region& Unite(const TRect& rect) { return Unite(Region(rect)); }
    Region& Subtract(const TRect& rect) { return Subtract(Region(rect)); }
    Region& Offset(int dx, int dy);

    friend bool operator==(const Region&, const Region&) = default;

private:
    friend class RegionBuilder;

    std::vector<TRect> FRects;
};
