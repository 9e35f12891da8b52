// Region algebra on the y-x banded form: a sweep over bands that combines their spans.
#include "platform/gfx/Region.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/RegionBuilder.h"

#include <algorithm>
#include <climits>

namespace {

// The rectangles of one band: they share Top and Bottom.
struct Band {
    const TRect* First = nullptr;
    std::size_t Count = 0;
    int Top() const { return First->Top; }
    int Bottom() const { return First->Bottom; }
};

std::vector<Band> SplitBands(const std::vector<TRect>& rects) {
    std::vector<Band> bands;
    for (std::size_t i = 0; i < rects.size();) {
        std::size_t j = i + 1;
        while (j < rects.size() && rects[j].Top == rects[i].Top) ++j;
        bands.push_back({&rects[i], j - i});
        i = j;
    }
    return bands;
}

bool Inside(int mode, bool inA, bool inB) {
    switch (mode) {
    case RGN_AND: return inA && inB;
    case RGN_OR: return inA || inB;
    case RGN_XOR: return inA != inB;
    case RGN_DIFF: return inA && !inB;
    default: return inA;
    }
}

// Edge k of a band: the left of span k/2 when k is even, its right otherwise.
int EdgeOf(const Band* band, std::size_t k) {
    if (band == nullptr || k >= band->Count * 2) return INT_MAX;
    const TRect& r = band->First[k / 2];
    return (k % 2 == 0) ? r.Left : r.Right;
}

void CombineSpans(const Band* a, const Band* b, int mode, std::vector<TSpan>& out) {
    out.clear();
    std::size_t i = 0, j = 0;
    bool inA = false, inB = false, inside = false;
    int start = 0;
    for (;;) {
        const int xa = EdgeOf(a, i);
        const int xb = EdgeOf(b, j);
        const int x = std::min(xa, xb);
        if (x == INT_MAX) break;
        if (xa == x) {
            inA = !inA;
            ++i;
        }
        if (xb == x) {
            inB = !inB;
            ++j;
        }
        const bool now = Inside(mode, inA, inB);
        if (now && !inside) start = x;
        if (!now && inside) out.push_back({start, x});
        inside = now;
    }
}

} // namespace

Region::Region(const TRect& rect) {
    if (!rect.IsEmpty()) FRects.push_back(rect);
}

Region Region::FromRects(const std::vector<TRect>& rects) {
    // Pairwise union keeps the cost near n log n for the long lists a bitmap outline gives.
    std::vector<Region> parts;
    parts.reserve(rects.size());
    for (const TRect& r : rects)
        if (!r.IsEmpty()) parts.emplace_back(r);
    if (parts.empty()) return {};
    while (parts.size() > 1) {
        std::vector<Region> next;
        next.reserve(parts.size() / 2 + 1);
        for (std::size_t i = 0; i + 1 < parts.size(); i += 2) next.push_back(Combine(parts[i], parts[i + 1], RGN_OR));
        if (parts.size() % 2 == 1) next.push_back(std::move(parts.back()));
        parts = std::move(next);
    }
    return std::move(parts.front());
}

Region Region::FromBitmapExceptKey(const Bitmap& bitmap, TColor key, int dx, int dy) {
    const TColor keyRgb = ColorToRGB(key);
    const std::uint8_t kb = static_cast<std::uint8_t>(GetBValue(keyRgb));
    const std::uint8_t kg = static_cast<std::uint8_t>(GetGValue(keyRgb));
    const std::uint8_t kr = static_cast<std::uint8_t>(GetRValue(keyRgb));
    const int bpp = bitmap.BytesPerPixel();
    RegionBuilder builder;
    std::vector<TSpan> spans;
    for (int y = 0; y < bitmap.Height(); ++y) {
        spans.clear();
        const std::uint8_t* p = bitmap.ScanLine(y);
        int runStart = -1;
        for (int x = 0; x <= bitmap.Width(); ++x, p += bpp) {
            const bool opaque = x < bitmap.Width() && !(p[0] == kb && p[1] == kg && p[2] == kr);
            if (opaque && runStart < 0) runStart = x;
            if (!opaque && runStart >= 0) {
                spans.push_back({runStart + dx, x + dx});
                runStart = -1;
            }
        }
        builder.AddBand(y + dy, y + dy + 1, spans);
    }
    return builder.Finish();
}

TRect Region::BoundingBox() const {
    if (FRects.empty()) return {};
    TRect box{INT_MAX, FRects.front().Top, INT_MIN, FRects.back().Bottom};
    for (const TRect& r : FRects) {
        box.Left = std::min(box.Left, r.Left);
        box.Right = std::max(box.Right, r.Right);
    }
    return box;
}

bool Region::Contains(TPoint p) const {
    auto it = std::lower_bound(FRects.begin(), FRects.end(), p.Y,
                               [](const TRect& r, int y) { return r.Bottom <= y; });
    for (; it != FRects.end() && it->Top <= p.Y; ++it)
        if (p.X >= it->Left && p.X < it->Right) return true;
    return false;
}

bool Region::Intersects(const TRect& rect) const {
    if (rect.IsEmpty()) return false;
    auto it = std::lower_bound(FRects.begin(), FRects.end(), rect.Top,
                               [](const TRect& r, int y) { return r.Bottom <= y; });
    for (; it != FRects.end() && it->Top < rect.Bottom; ++it)
        if (it->Left < rect.Right && it->Right > rect.Left) return true;
    return false;
}

int Region::Kind() const {
    if (FRects.empty()) return NULLREGION;
    return FRects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
    if (mode == RGN_COPY) return a;
    const std::vector<Band> bandsA = SplitBands(a.FRects);
    const std::vector<Band> bandsB = SplitBands(b.FRects);
    RegionBuilder builder;
    std::vector<TSpan> spans;
    std::size_t ia = 0, ib = 0;
    int y = INT_MIN;
    while (ia < bandsA.size() || ib < bandsB.size()) {
        const Band* bandA = (ia < bandsA.size() && bandsA[ia].Top() <= y) ? &bandsA[ia] : nullptr;
        const Band* bandB = (ib < bandsB.size() && bandsB[ib].Top() <= y) ? &bandsB[ib] : nullptr;
        int next = INT_MAX;
        if (ia < bandsA.size()) next = std::min(next, bandA ? bandA->Bottom() : bandsA[ia].Top());
        if (ib < bandsB.size()) next = std::min(next, bandB ? bandB->Bottom() : bandsB[ib].Top());
        if (bandA || bandB) {
            CombineSpans(bandA, bandB, mode, spans);
            builder.AddBand(y, next, spans);
        }
        y = next;
        if (ia < bandsA.size() && bandsA[ia].Bottom() <= y) ++ia;
        if (ib < bandsB.size() && bandsB[ib].Bottom() <= y) ++ib;
    }
    return builder.Finish();
}

Region& Region::Intersect(const Region& other) { return *this = Combine(*this, other, RGN_AND); }
Region& Region::Unite(const Region& other) { return *this = Combine(*this, other, RGN_OR); }
Region& Region::Subtract(const Region& other) { return *this = Combine(*this, other, RGN_DIFF); }
Region& Region::Xor(const Region& other) { return *this = Combine(*this, other, RGN_XOR); }

Region& Region::Offset(int dx, int dy) {
    for (TRect& r : FRects) r = r.Offset(dx, dy);
    return *this;
}
