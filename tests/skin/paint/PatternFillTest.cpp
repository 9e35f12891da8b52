// Pattern fills by mode, what they leave uncovered, and textures through alpha masks.
#include "skin/paint/PatternFill.h"
#include "skin/paint/ParentColors.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

namespace {

// A skin whose master bitmap holds a 3 x 2 keyed texture at (2, 1) and, below it, a 2 x 2 alpha
// texture at (0, 4) over its mask band at (0, 6).
class PatternFill : public ::testing::Test {
protected:
    PatternFill() {
        skin.MasterBitmap = Numbered(8, 8);
        keyed.R = {2, 1, 5, 3};
        keyed.ImgType = itisaTexture;
        keyed.Manager = &skin;
        alpha.R = {0, 4, 2, 8};
        alpha.MaskType = 1;
        alpha.ImgType = itisaTexture;
        alpha.Manager = &skin;
        skin.MasterBitmap.FillRect({0, 6, 2, 8}, clBlack);
    }
    ~PatternFill() override { ResetParentColors(); }

    // The texture pixel a tiled fill from phase shows at (x, y).
    TColor Tiled(int x, int y, TPoint phase) const {
        const int tx = ((x - phase.X) % 3 + 3) % 3;
        const int ty = ((y - phase.Y) % 2 + 2) % 2;
        return skin.MasterBitmap.Pixel(2 + tx, 1 + ty);
    }
    void ExpectTiledOnly(const Bitmap& b, const TRect& painted, TPoint phase) const {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                EXPECT_EQ(b.Pixel(x, y), painted.Contains({x, y}) ? Tiled(x, y, phase) : clFuchsia)
                    << x << "," << y;
    }

    TsSkinModel skin;
    TsMaskData keyed;
    TsMaskData alpha;
};

} // namespace

TEST_F(PatternFill, ModeZeroTilesEverythingWithCutTilesAtTheEnds) {
    Bitmap b = Solid(12, 9, clFuchsia);
    TRect r{1, 2, 11, 7};
    FillPattern(b, r, nullptr, 0, &keyed);
    EXPECT_EQ(r, NothingLeft);
    ExpectTiledOnly(b, {1, 2, 11, 7}, {1, 2});
}

TEST_F(PatternFill, ModeTwoPaintsOneRowAndLeavesTheRestBelowIt) {
    Bitmap b = Solid(10, 22, clFuchsia);
    TRect r{0, 1, 10, 21}; // ten tiles high
    FillPattern(b, r, nullptr, 2, &keyed);
    EXPECT_EQ(r, (TRect{0, 3, 10, 21}));
    ExpectTiledOnly(b, {0, 1, 10, 3}, {0, 1});
}

TEST_F(PatternFill, BottomRowAndRightColumnKeepTheirPhases) {
    Bitmap b = Solid(10, 7, clFuchsia);
    TRect r{0, 0, 10, 7};
    FillPattern(b, r, nullptr, 6, &keyed);
    EXPECT_EQ(r, (TRect{0, 0, 10, 5}));
    ExpectTiledOnly(b, {0, 5, 10, 7}, {0, 5});

    b = Solid(10, 7, clFuchsia);
    r = {0, 0, 10, 7};
    FillPattern(b, r, nullptr, 7, &keyed);
    EXPECT_EQ(r, (TRect{0, 0, 7, 7}));
    SCOPED_TRACE("the column's phase is counted from the left edge");
    ExpectTiledOnly(b, {7, 0, 10, 7}, {0, 0});
}

TEST_F(PatternFill, ModeTenPaintsWholeRowsAndLeavesTheStripBelowAsItWas) {
    Bitmap b = Solid(7, 7, clFuchsia);
    TRect r{0, 0, 7, 7};
    FillPattern(b, r, nullptr, 10, &keyed);
    EXPECT_EQ(r, NothingLeft) << "nothing is left for the colour";
    SCOPED_TRACE("rows start at 0, 2 and 4 (before 7 - 2); row 6 stays");
    ExpectTiledOnly(b, {0, 0, 7, 6}, {0, 0});
}

TEST_F(PatternFill, NarrowAreasLeaveNothingAndUnknownModesLeaveEverything) {
    Bitmap b = Solid(6, 2, clFuchsia);
    TRect r{0, 0, 6, 2};
    FillPattern(b, r, nullptr, 2, &keyed);
    EXPECT_EQ(r, NothingLeft) << "one row of tiles covers a rectangle as high as the tile";
    r = {0, 0, 6, 2};
    const Bitmap before = Solid(6, 2, clFuchsia);
    b = before;
    FillPattern(b, r, nullptr, 8, &keyed);
    EXPECT_EQ(r, (TRect{0, 0, 6, 2}));
    EXPECT_EQ(b, before);
}

TEST_F(PatternFill, StretchedModesCoverTheirAreaEndToEnd) {
    Bitmap b = Solid(9, 8, clFuchsia);
    TRect r{0, 0, 9, 8};
    FillPattern(b, r, nullptr, 4, &keyed);
    EXPECT_EQ(r, (TRect{0, 2, 9, 8}));
    EXPECT_EQ(b.Pixel(0, 0), skin.MasterBitmap.Pixel(2, 1)) << "enlarging keeps the first pixel";
    EXPECT_EQ(b.Pixel(8, 1), skin.MasterBitmap.Pixel(4, 2)) << "and the last";
    EXPECT_EQ(b.Pixel(4, 2), clFuchsia);
}

TEST_F(PatternFill, APictureCoversAllAndTileImageStartsAtTheCorner) {
    const Bitmap picture = Numbered(4, 3);
    Bitmap b = Solid(9, 9, clFuchsia);
    TRect r{1, 1, 9, 8};
    FillPattern(b, r, &picture, 2, &keyed);
    EXPECT_EQ(r, NothingLeft);
    EXPECT_EQ(b.Pixel(1, 1), picture.Pixel(0, 0));
    EXPECT_EQ(b.Pixel(8, 7), picture.Pixel(3, 0)) << "(8 - 1) mod 4, (7 - 1) mod 3";
    EXPECT_EQ(b.Pixel(0, 0), clFuchsia);
}

TEST_F(PatternFill, MaskedTexturesBlendTheirTilesAndKeysShowTheParent) {
    skin.MasterBitmap.SetPixel(1, 5, clFuchsia);
    const Bitmap parent = Numbered(12, 12);
    Bitmap b = Solid(5, 5, clWhite);
    TRect r{0, 0, 5, 5};
    FillMaskedPattern(b, r, {&parent, 2, 1, true}, 0, alpha);
    EXPECT_EQ(r, NothingLeft);
    EXPECT_EQ(b.Pixel(0, 0), skin.MasterBitmap.Pixel(0, 4)) << "a black mask shows the texture";
    EXPECT_EQ(b.Pixel(4, 4), skin.MasterBitmap.Pixel(0, 4)) << "cut tiles at the right and bottom";
    EXPECT_EQ(b.Pixel(3, 1), parent.Pixel(5, 2)) << "key pixels show the parent behind them";
    ParentKeyColor = RGB(1, 2, 3);
    FillMaskedPattern(b, r = {0, 0, 5, 5}, {&parent, 2, 1, true}, 0, alpha);
    EXPECT_EQ(b.Pixel(3, 1), RGB(1, 2, 3)) << "ParentKeyColor wins over the parent image";
}

TEST_F(PatternFill, MaskedModeTenFillsTheStripsFromTheParent) {
    const Bitmap parent = Numbered(12, 12);
    Bitmap b = Solid(5, 5, clWhite);
    TRect r{0, 0, 5, 5};
    FillMaskedPattern(b, r, {&parent, 1, 1, true}, 10, alpha);
    EXPECT_EQ(b.Pixel(2, 2), skin.MasterBitmap.Pixel(0, 4)) << "whole tiles at 0 and 2 both ways";
    EXPECT_EQ(b.Pixel(4, 1), parent.Pixel(5, 2)) << "right of the last column";
    EXPECT_EQ(b.Pixel(1, 4), parent.Pixel(2, 5)) << "below the last row";
    Bitmap alone = Solid(5, 5, clWhite);
    FillMaskedPattern(alone, r = {0, 0, 5, 5}, {}, 10, alpha);
    EXPECT_EQ(alone.Pixel(4, 4), clWhite) << "with neither parent image nor ParentKeyColor the strips stay";
    EXPECT_EQ(alone.Pixel(0, 0), skin.MasterBitmap.Pixel(0, 4));
}
