// Row accessors and the transparency-byte blend: attaching, pixel access, the blend's extremes.
#include "skin/paint/BitmapBlend.h"
#include "skin/paint/TacFast24.h"
#include "skin/paint/TacFast32.h"
#include "skin/paint/TacFastSum24.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

namespace {

int SumBlend(int d, int s, int a) {
    return (d * a + s * (255 - a) + 127) / 256;
}

} // namespace

TEST(FastAccessors, AttachNeedsTwoByTwoPixelsOfItsOwnDepth) {
    TacFast24 fast;
    Bitmap oneHigh(5, 1);
    EXPECT_FALSE(fast.Attach(oneHigh));
    EXPECT_EQ(fast.Width(), 0);
    Bitmap deep(4, 4, TPixelFormat::pf32bit);
    EXPECT_FALSE(fast.Attach(deep));
    TacFast32 fast32;
    EXPECT_FALSE(fast32.Attach(oneHigh)) << "24-bit bitmaps are not the 32-bit accessor's";
    EXPECT_TRUE(fast32.Attach(deep));
    Bitmap narrow(1, 5);
    EXPECT_FALSE(fast.Attach(narrow));
}

TEST(FastAccessors, PixelsGoThroughRowsWhateverTheStorageOrder) {
    Bitmap bottomUp(3, 2, TPixelFormat::pf24bit, true);
    TacFast24 fast;
    ASSERT_TRUE(fast.Attach(bottomUp));
    EXPECT_EQ(fast.Stride(), bottomUp.Stride());
    fast.SetPixel(2, 1, RGB(10, 20, 30));
    EXPECT_EQ(bottomUp.Pixel(2, 1), RGB(10, 20, 30));
    bottomUp.SetPixel(0, 0, RGB(200, 100, 50));
    EXPECT_EQ(fast.Pixel(0, 0), RGB(200, 100, 50));
    EXPECT_EQ(fast.Row(1)[2 * 3 + 2], 10) << "red is the third byte";

    Bitmap deep(2, 2, TPixelFormat::pf32bit);
    TacFast32 fast32;
    ASSERT_TRUE(fast32.Attach(deep));
    fast32.SetPixel(1, 1, static_cast<TColor>(0x80112233u));
    EXPECT_EQ(deep.Alpha(1, 1), 0x80) << "the high byte becomes the alpha";
    EXPECT_EQ(fast32.Pixel(1, 1), static_cast<TColor>(0x112233));
}

TEST(FastSum24, TransparencyZeroGivesTheSourceAndFullKeepsTheDestinationLessOne) {
    Bitmap source(2, 2);
    source.SetPixel(0, 0, clWhite);
    source.SetPixel(1, 0, clBlack);
    source.SetPixel(0, 1, RGB(128, 1, 0));
    source.SetPixel(1, 1, RGB(7, 77, 177));
    Bitmap destination = Solid(2, 2, RGB(90, 160, 230));
    TacFastSum24 sum;
    ASSERT_TRUE(sum.Attach(source, destination));
    sum.Alpha = 0;
    sum.DstRect = {0, 0, 2, 2};
    sum.Blend();
    EXPECT_EQ(destination.Pixel(0, 0), RGB(254, 254, 254)) << "white source becomes 254";
    EXPECT_EQ(destination.Pixel(1, 0), clBlack);
    EXPECT_EQ(destination.Pixel(0, 1), RGB(127, 1, 0)) << "bytes of 128 and more lose one, smaller ones stay";

    Bitmap white = Solid(2, 2, clWhite);
    ASSERT_TRUE(sum.Attach(source, white));
    sum.Alpha = 255;
    sum.Blend();
    EXPECT_EQ(white.Pixel(1, 0), RGB(254, 254, 254)) << "a white destination kept at 255 becomes 254";
}

TEST(FastSum24, MidwayBytesFollowTheFormulaInWholeAndPartialRuns) {
    // Rows of 12 pixels blended: 36 bytes, four runs of 8 and four single bytes.
    Bitmap source = Numbered(13, 3);
    Bitmap destination = Solid(13, 3, RGB(250, 3, 128));
    const Bitmap before = destination;
    BlendBitmapAt(destination, source, RGB(77, 200, 200), {1, 1}, {0, 0, 13, 3});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 13; ++x) {
            const bool inside = x >= 1 && y >= 1;
            const TColor expected = inside ? PerChannel(before.Pixel(x, y), source.Pixel(x - 1, y - 1),
                                                        [](int d, int s) { return SumBlend(d, s, 77); })
                                           : before.Pixel(x, y);
            EXPECT_EQ(destination.Pixel(x, y), expected)
                << x << "," << y << ": the red byte of the colour is a";
        }
}

TEST(BlendBitmapAt, ClipsAtBothBitmapsAndSkipsOnePixelHighTargets) {
    Bitmap source = Numbered(5, 5);
    Bitmap destination = Solid(4, 4, clBlack);
    BlendBitmapAt(destination, source, 0, {-2, -1}, {0, 0, 5, 5});
    // Alpha 0 takes the source (less one): destination (0, 0) shows source (2, 1).
    const TColor s = source.Pixel(2, 1);
    EXPECT_EQ(destination.Pixel(0, 0),
              RGB(SumBlend(0, GetRValue(s), 0), SumBlend(0, GetGValue(s), 0), SumBlend(0, GetBValue(s), 0)));
    const TColor last = source.Pixel(5 - 1, 3 + 1);
    EXPECT_EQ(destination.Pixel(2, 3), RGB(SumBlend(0, GetRValue(last), 0), SumBlend(0, GetGValue(last), 0),
                                           SumBlend(0, GetBValue(last), 0)));
    EXPECT_EQ(destination.Pixel(3, 3), clBlack) << "the source ran out after 3 columns";

    Bitmap flat = Solid(6, 1, clWhite);
    BlendBitmapAt(flat, source, 0, {0, 0}, {0, 0, 5, 5});
    EXPECT_EQ(flat, Solid(6, 1, clWhite)) << "a 1-pixel-high bitmap cannot be attached";
}
