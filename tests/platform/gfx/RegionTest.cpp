// Region algebra checked against brute-force pixel sets, and the banded form it promises.
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace {

using PixelSet = std::set<std::pair<int, int>>;
constexpr int kField = 24;

PixelSet PixelsOf(const Region& r) {
    PixelSet s;
    for (int y = -2; y < kField * 2 + 2; ++y)
        for (int x = -2; x < kField * 2 + 2; ++x)
            if (r.Contains({x, y})) s.insert({x, y});
    return s;
}

std::vector<TRect> RandomRects(std::mt19937& rng, int count) {
    std::uniform_int_distribution<int> pos(0, kField - 1);
    std::vector<TRect> rects;
    for (int i = 0; i < count; ++i) {
        const int l = pos(rng), t = pos(rng);
        rects.push_back({l, t, l + 1 + pos(rng) / 2, t + 1 + pos(rng) / 2});
    }
    return rects;
}

PixelSet PixelsOfRects(const std::vector<TRect>& rects) {
    PixelSet s;
    for (const TRect& r : rects)
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) s.insert({x, y});
    return s;
}

// The y-x banded form: sorted, non-overlapping, bands share top and bottom, touching runs merged.
void ExpectBanded(const Region& r) {
    const auto& rects = r.Rects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_FALSE(rects[i].IsEmpty());
        if (i == 0) continue;
        const TRect& p = rects[i - 1];
        const TRect& c = rects[i];
        if (p.Top == c.Top) {
            EXPECT_EQ(p.Bottom, c.Bottom);
            EXPECT_LT(p.Right, c.Left) << "runs in a band neither overlap nor touch";
        } else {
            EXPECT_LE(p.Bottom, c.Top) << "bands do not overlap";
        }
    }
}

} // namespace

TEST(Region, CombineMatchesPixelSetsOnRandomRectangles) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 200; ++round) {
        const auto ra = RandomRects(rng, 1 + round % 6);
        const auto rb = RandomRects(rng, 1 + round % 5);
        const Region a = Region::FromRects(ra);
        const Region b = Region::FromRects(rb);
        const PixelSet pa = PixelsOfRects(ra), pb = PixelsOfRects(rb);
        ASSERT_EQ(PixelsOf(a), pa);
        for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
            PixelSet expected;
            for (int y = 0; y < kField * 2; ++y)
                for (int x = 0; x < kField * 2; ++x) {
                    const bool ia = pa.count({x, y}) > 0, ib = pb.count({x, y}) > 0;
                    const bool in = mode == RGN_AND ? (ia && ib)
                                    : mode == RGN_OR ? (ia || ib)
                                    : mode == RGN_XOR ? (ia != ib)
                                                      : (ia && !ib);
                    if (in) expected.insert({x, y});
                }
            const Region c = Region::Combine(a, b, mode);
            ASSERT_EQ(PixelsOf(c), expected) << "round " << round << " mode " << mode;
            ExpectBanded(c);
        }
    }
}

TEST(Region, EqualPointSetsCompareEqualWhateverTheirHistory) {
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        const auto rects = RandomRects(rng, 5);
        const Region whole = Region::FromRects(rects);
        std::vector<TRect> pixels;
        for (const auto& [x, y] : PixelsOfRects(rects)) pixels.push_back({x, y, x + 1, y + 1});
        EXPECT_EQ(Region::FromRects(pixels), whole);
        Region built;
        for (auto it = rects.rbegin(); it != rects.rend(); ++it) built.Unite(*it);
        EXPECT_EQ(built, whole);
        EXPECT_NE(Region(whole).Xor(Region(TRect{0, 0, 1, 1})), whole);
    }
}

TEST(Region, QueriesOnAnLShape) {
    Region l(TRect{0, 0, 10, 10});
    l.Subtract(TRect{5, 0, 10, 5});
    EXPECT_EQ(l.Kind(), COMPLEXREGION);
    EXPECT_EQ(l.BoundingBox(), (TRect{0, 0, 10, 10}));
    EXPECT_TRUE(l.Contains({4, 0}));
    EXPECT_FALSE(l.Contains({5, 4}));
    EXPECT_TRUE(l.Contains({9, 5}));
    EXPECT_FALSE(l.Contains({10, 5}));
    EXPECT_TRUE(l.Intersects({8, 3, 12, 6}));
    EXPECT_FALSE(l.Intersects({6, 1, 12, 4}));
    l.Offset(-3, 7);
    EXPECT_TRUE(l.Contains({-3, 7}));
    EXPECT_EQ(l.BoundingBox(), (TRect{-3, 7, 7, 17}));
    EXPECT_EQ(Region(TRect{1, 1, 1, 5}).Kind(), NULLREGION);
    EXPECT_EQ(Region(TRect{1, 1, 2, 5}).Kind(), SIMPLEREGION);
    EXPECT_EQ(Region::Combine(l, Region(TRect{0, 0, 1, 1}), RGN_COPY), l);
}

TEST(Region, ClippingEightyOneChildrenLeavesTheGaps) {
    Region parent(TRect{0, 0, 9 * 30 + 10, 9 * 30 + 10});
    for (int i = 0; i < 81; ++i) parent.Subtract(Bounds(5 + (i % 9) * 30, 5 + (i / 9) * 30, 28, 28));
    EXPECT_TRUE(parent.Contains({4, 4}));
    EXPECT_TRUE(parent.Contains({33, 40}));
    EXPECT_FALSE(parent.Contains({6, 6}));
    EXPECT_FALSE(parent.Contains({5 + 8 * 30 + 27, 5 + 8 * 30 + 27}));
    ExpectBanded(parent);
    EXPECT_EQ(parent.Rects().size(), 10u + 9u * 10u) << "10 gap rows plus 9 bands of 10 gaps";
}

TEST(Region, FromBitmapExceptKeyMergesVerticalRuns) {
    Bitmap b(6, 5);
    b.Fill(clKeyColor);
    for (int y = 0; y < 4; ++y)
        for (int x = 1; x < 3; ++x) b.SetPixel(x, y, clWhite);
    b.SetPixel(5, 4, clBlack);
    const Region r = Region::FromBitmapExceptKey(b, clKeyColor, 10, 20);
    const std::vector<TRect> expected{{11, 20, 13, 24}, {15, 24, 16, 25}};
    EXPECT_EQ(r.Rects(), expected);

    std::mt19937 rng(3);
    Bitmap noisy(17, 13, TPixelFormat::pf32bit);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 17; ++x) noisy.SetPixel(x, y, rng() % 3 == 0 ? clKeyColor : clGray);
    const Region n = Region::FromBitmapExceptKey(noisy, clKeyColor);
    ExpectBanded(n);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 17; ++x) EXPECT_EQ(n.Contains({x, y}), noisy.Pixel(x, y) != clKeyColor);
}
