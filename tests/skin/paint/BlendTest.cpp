// Colour and bitmap blends and grey conversion, checked against their per-channel formulas.
#include "skin/paint/BitmapBlend.h"
#include "skin/paint/ColorBlend.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

TEST(BlendColorRect, HundredKeepsZeroPaintsAndBetweenRoundsHalvesToEven) {
    const Bitmap original = Numbered(6, 4);
    Bitmap b = original;
    BlendColorRect(b, {0, 0, 5, 3}, 100, clRed);
    EXPECT_EQ(b, original);
    BlendColorRect(b, {0, 0, 5, 3}, 0, RGB(9, 8, 7));
    EXPECT_EQ(b, Solid(6, 4, RGB(9, 8, 7)));

    b = Solid(2, 2, RGB(3, 100, 255));
    BlendColorRect(b, {0, 0, 1, 1}, 50, RGB(0, 1, 0));
    // 0.5 * 3 = 1.5 -> 2, 0.5 * 101 = 50.5 -> 50, 127.5 -> 128: halves go to the even neighbour.
    EXPECT_EQ(b.Pixel(1, 1), RGB(2, 50, 128));

    b = original;
    BlendColorRect(b, {0, 0, 5, 3}, 37, clBtnFace);
    const TColor face = ColorToRGB(clBtnFace);
    const TColor expected = PerChannel(original.Pixel(4, 2), face,
                                       [](int o, int c) { return RoundEven(0.37 * o + (1 - 0.37) * c); });
    EXPECT_EQ(b.Pixel(4, 2), expected) << "a system colour is resolved first";
}

TEST(BlendColorRect, TheRectangleIsInclusiveAndClipped) {
    Bitmap b = Solid(5, 4, clWhite);
    BlendColorRect(b, {3, 2, 40, 40}, 0, clBlack);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(b.Pixel(x, y), x >= 3 && y >= 2 ? clBlack : clWhite) << x << "," << y;
    b = Solid(5, 4, clWhite);
    BlendColorRect(b, {-3, -3, 1, 0}, 0, clBlack);
    EXPECT_EQ(b.Pixel(1, 0), clBlack) << "Right and Bottom are inside the rectangle";
    EXPECT_EQ(b.Pixel(2, 0), clWhite);
    EXPECT_EQ(b.Pixel(0, 1), clWhite);
}

TEST(MixColors, FactorsOneAndZeroGiveTheColoursAndBetweenRoundsPerChannel) {
    EXPECT_EQ(MixColors(RGB(10, 20, 30), RGB(200, 100, 0), 1), RGB(10, 20, 30));
    EXPECT_EQ(MixColors(RGB(10, 20, 30), RGB(200, 100, 0), 0), RGB(200, 100, 0));
    EXPECT_EQ(MixColors(RGB(10, 20, 30), RGB(200, 100, 0), 0.4),
              RGB(RoundEven(0.4 * (10 - 200) + 200), RoundEven(0.4 * (20 - 100) + 100), RoundEven(0.4 * 30)));
    EXPECT_EQ(MixColors(clBtnText, clWhite, 1), ColorToRGB(clBtnText)) << "system colours are resolved";
}

TEST(Grayscale, AveragesTheChannelsAndCanSpareTheKey) {
    Bitmap b = Solid(3, 2, RGB(10, 20, 31));
    b.SetPixel(1, 1, clFuchsia);
    Bitmap spared = b;
    GrayscaleExceptKey(spared, clFuchsia);
    EXPECT_EQ(spared.Pixel(0, 0), RGB(20, 20, 20)) << "(10 + 20 + 31) div 3";
    EXPECT_EQ(spared.Pixel(1, 1), clFuchsia);
    GrayscaleBitmap(b);
    EXPECT_EQ(b.Pixel(1, 1), RGB(170, 170, 170));
}

TEST(BlendBitmapRect, AKeyWithHighByteFFBlendsEveryPixelAndMagentaIsLeftOut) {
    Bitmap source = Solid(3, 3, RGB(200, 40, 90));
    source.SetPixel(1, 1, clFuchsia);
    const Bitmap base = Solid(3, 3, RGB(10, 250, 33));
    const auto blended = [](TColor s, TColor d, double f) {
        return PerChannel(s, d, [f](int sc, int dc) { return RoundEven(sc - f * (sc - dc)); });
    };
    Bitmap all = base;
    BlendBitmapRect(all, 0, 0, clNoKey, 0.5, {0, 0, 2, 2}, source);
    EXPECT_EQ(all.Pixel(1, 1), blended(clFuchsia, base.Pixel(1, 1), 0.5));
    EXPECT_EQ(all.Pixel(2, 2), blended(source.Pixel(2, 2), base.Pixel(2, 2), 0.5));

    Bitmap keyed = base;
    BlendBitmapRect(keyed, 0, 0, clFuchsia, 0.4, {0, 0, 2, 2}, source);
    EXPECT_EQ(keyed.Pixel(1, 1), base.Pixel(1, 1)) << "magenta source pixels are skipped";
    EXPECT_EQ(keyed.Pixel(0, 2), blended(source.Pixel(0, 2), base.Pixel(0, 2), 0.4));
}

TEST(BlendBitmapRect, TheSourceCornerMapsToThePointEvenOutsideTheSource) {
    const Bitmap source = Numbered(4, 4);
    Bitmap d = Solid(5, 5, clBlack);
    BlendBitmapRect(d, 1, 1, clNoKey, 0, {-1, -1, 10, 10}, source);
    EXPECT_EQ(d.Pixel(1, 1), clBlack) << "source (-1, -1) does not exist";
    EXPECT_EQ(d.Pixel(2, 2), source.Pixel(0, 0)) << "factor 0 copies the source";
    EXPECT_EQ(d.Pixel(4, 4), source.Pixel(2, 2)) << "cut at the destination's edge";
    BlendBitmapRect(d, -2, 0, clNoKey, 0, {0, 0, 3, 0}, source);
    EXPECT_EQ(d.Pixel(0, 0), source.Pixel(2, 0)) << "destination pixels left of 0 are skipped";
}
