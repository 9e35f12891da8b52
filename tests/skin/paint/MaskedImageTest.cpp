// Copies through alpha masks and key colours, and single states of image entries.
#include "skin/paint/MaskedImage.h"
#include "skin/paint/KeyColorCopy.h"
#include "skin/paint/ParentColors.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

namespace {

int ThroughMask(int d, int s, int m) {
    return std::clamp(((d - s) * m + s * 256) / 256, 0, 255);
}

// A one-state alpha image of w x h over its mask band, in its own bitmap laid out as in a skin.
struct TAlphaImage {
    Bitmap Pixels;
    TsMaskData Mask;

    TAlphaImage(const Bitmap& image, TColor maskColour) : Pixels(image.Width(), image.Height() * 2) {
        Pixels.CopyRect(0, 0, image, image.BoundsRect());
        Pixels.FillRect({0, image.Height(), image.Width(), 2 * image.Height()}, maskColour);
        Mask.R = Pixels.BoundsRect();
        Mask.MaskType = 1;
    }
};

class ParentColoursReset : public ::testing::Test {
protected:
    void TearDown() override { ResetParentColors(); }
};

} // namespace

TEST(CopyThroughMask, BlackShowsTheImageAndWhiteNearlyKeepsTheDestination) {
    const Bitmap image = Numbered(4, 3);
    const Bitmap base = Solid(6, 5, RGB(200, 17, 99));
    TAlphaImage black(image, clBlack);
    Bitmap d = base;
    CopyThroughMask({1, 1, 5, 4}, {0, 0, 4, 3}, d, black.Mask, false, {}, black.Pixels);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(d.Pixel(x + 1, y + 1), image.Pixel(x, y));
    EXPECT_EQ(d.Pixel(0, 0), base.Pixel(0, 0));

    TAlphaImage white(image, clWhite);
    d = base;
    CopyThroughMask({1, 1, 5, 4}, {0, 0, 4, 3}, d, white.Mask, false, {}, white.Pixels);
    const auto nearlyKept = [](int dc, int sc) { return ThroughMask(dc, sc, 255); };
    EXPECT_EQ(d.Pixel(3, 2), PerChannel(base.Pixel(3, 2), image.Pixel(2, 1), nearlyKept));
    EXPECT_EQ(GetRValue(d.Pixel(1, 1)), static_cast<int>(std::floor(200 - (200 - 1) / 256.0)))
        << "d - (d - s)/256 rounded down";
}

TEST(CopyThroughMask, GreyMasksMixPerChannelAndRectanglesClipTogether) {
    const Bitmap image = Solid(3, 3, RGB(250, 0, 128));
    TAlphaImage grey(image, RGB(64, 128, 192));
    const Bitmap base = Solid(4, 4, RGB(10, 240, 128));
    Bitmap d = base;
    CopyThroughMask({-1, -1, 2, 2}, {0, 0, 3, 3}, d, grey.Mask, false, {}, grey.Pixels);
    const TColor expected =
        RGB(ThroughMask(10, 250, 64), ThroughMask(240, 0, 128), ThroughMask(128, 128, 192));
    EXPECT_EQ(d.Pixel(0, 0), expected);
    EXPECT_EQ(d.Pixel(1, 1), expected);
    EXPECT_EQ(d.Pixel(2, 2), base.Pixel(2, 2)) << "moving off -1 left two columns and rows";
}

TEST_F(ParentColoursReset, CornerKeyPixelsTakeTheParentOrParentKeyColorOrStayMagenta) {
    Bitmap image = Solid(2, 2, RGB(1, 2, 3));
    image.SetPixel(0, 0, clFuchsia);
    TAlphaImage corner(image, clBlack);
    const Bitmap base = Solid(4, 4, clWhite);

    Bitmap d = base;
    CopyThroughMask({1, 1, 3, 3}, {0, 0, 2, 2}, d, corner.Mask, true, {}, corner.Pixels);
    EXPECT_EQ(d.Pixel(1, 1), clFuchsia) << "no parent image and no ParentKeyColor leave the key colour";

    ParentKeyColor = RGB(5, 6, 7);
    d = base;
    CopyThroughMask({1, 1, 3, 3}, {0, 0, 2, 2}, d, corner.Mask, true, {}, corner.Pixels);
    EXPECT_EQ(d.Pixel(1, 1), RGB(5, 6, 7));

    const Bitmap parent = Numbered(8, 8);
    d = base;
    CopyThroughMask({1, 1, 3, 3}, {0, 0, 2, 2}, d, corner.Mask, true, {&parent, 3, 2, true}, corner.Pixels);
    EXPECT_EQ(d.Pixel(1, 1), parent.Pixel(4, 3)) << "the parent image wins over ParentKeyColor";

    d = base;
    CopyThroughMask({1, 1, 3, 3}, {0, 0, 2, 2}, d, corner.Mask, false, {&parent, 3, 2, true}, corner.Pixels);
    EXPECT_EQ(d.Pixel(1, 1), clFuchsia)
        << "outside corners magenta is blended like any pixel (black mask: copied)";
}

TEST(KeyColorCopies, KeyPixelsAreLeftOutOrShowTheParent) {
    Bitmap source = Numbered(3, 3);
    source.SetPixel(1, 1, clFuchsia);
    const Bitmap base = Solid(4, 4, clBlack);
    Bitmap d = base;
    CopyWithKeyColor(d, source, 1, 1, clFuchsia);
    EXPECT_EQ(d.Pixel(2, 2), clBlack);
    EXPECT_EQ(d.Pixel(3, 3), source.Pixel(2, 2));

    d = base;
    CopyRectWithKeyColor(d, source, 0, 0, clFuchsia, {-5, 1, 9, 2});
    EXPECT_EQ(d.Pixel(0, 0), source.Pixel(0, 1)) << "the first pixel left after clipping lands on (x, y)";
    EXPECT_EQ(d.Pixel(1, 0), clBlack);
    EXPECT_EQ(d.Pixel(2, 1), source.Pixel(2, 2));

    const Bitmap parent = Numbered(5, 5);
    d = base;
    CopyRectOverParent(d, source, 1, 1, true, {&parent, 1, 0, true}, clFuchsia, {0, 0, 2, 2});
    EXPECT_EQ(d.Pixel(2, 2), parent.Pixel(3, 2));
    d = base;
    CopyRectOverParent(d, source, 1, 1, true, {&parent, 3, 3, true}, clFuchsia, {0, 0, 2, 2});
    EXPECT_EQ(d.Pixel(2, 2), clBlack) << "behind the key pixel lies nothing of the parent";
    const Bitmap tiny = Solid(1, 1, clRed);
    d = base;
    CopyRectOverParent(d, source, 1, 1, true, {&tiny, 0, 0, true}, clFuchsia, {0, 0, 2, 2});
    EXPECT_EQ(d.Pixel(2, 2), clBlack) << "a parent image under 2 x 2 cannot be attached";
}

TEST(DrawMaskedImage, ModeOneBlendsThroughTheMaskAndOtherModesFadeIt) {
    Bitmap image = Solid(2, 1, RGB(0, 100, 200));
    image.SetPixel(1, 0, clFuchsia);
    TAlphaImage masked(image, RGB(0, 100, 200));
    const Bitmap base = Solid(3, 3, RGB(255, 255, 255));
    Bitmap d = base;
    DrawMaskedImage({1, 1, 2, 1}, {0, 0, 1, 0}, d, masked.Mask, 1, masked.Pixels);
    EXPECT_EQ(d.Pixel(1, 1),
              RGB(ThroughMask(255, 0, 0), ThroughMask(255, 100, 100), ThroughMask(255, 200, 200)));
    EXPECT_EQ(d.Pixel(2, 1), clWhite) << "key pixels are left alone";
    d = base;
    DrawMaskedImage({1, 1, 2, 1}, {0, 0, 1, 0}, d, masked.Mask, 0, masked.Pixels);
    EXPECT_EQ(d.Pixel(1, 1),
              RGB(ThroughMask(255, 0, 100), ThroughMask(255, 100, 200), ThroughMask(255, 200, 255)));
}

TEST(DrawSkinImage, DrawsTheStateFromTheMasterClippedAtThePoint) {
    TsSkinModel skin;
    skin.MasterBitmap = Numbered(12, 4);
    skin.MasterBitmap.SetPixel(5, 1, clFuchsia);
    TsMaskData glyph;
    glyph.R = {0, 0, 12, 4};
    glyph.ImageCount = 3;
    glyph.Manager = &skin;
    const Bitmap base = Solid(6, 6, clBlack);

    Bitmap d = base;
    DrawSkinImage(d, {1, 1}, 7, glyph, 1);
    EXPECT_EQ(d.Pixel(1, 1), skin.MasterBitmap.Pixel(8, 0)) << "state 7 shows the last of three";
    d = base;
    DrawSkinImage(d, {-1, 2}, 1, glyph, 1);
    EXPECT_EQ(d.Pixel(0, 2), skin.MasterBitmap.Pixel(5, 0)) << "a negative point cuts the image's left";
    EXPECT_EQ(d.Pixel(0, 3), clBlack) << "magenta is the key";
    d = base;
    DrawSkinImage(d, {0, 0}, 0, glyph, 2);
    EXPECT_EQ(d.Pixel(1, 1), PerChannel(skin.MasterBitmap.Pixel(1, 1), clBlack,
                                        [](int s, int b) { return RoundEven(s - 0.5 * (s - b)); }))
        << "other modes blend the keyed image half over";

    glyph.Manager = nullptr;
    d = base;
    DrawSkinImage(d, {0, 0}, 0, glyph, 1);
    EXPECT_EQ(d, base) << "an entry of the master bitmap without a skin draws nothing";
}
