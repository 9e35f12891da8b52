// Gradient fills: one and two vertical steps, horizontal steps, four corners, modes that draw nothing.
#include "skin/paint/FillGradient.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

namespace {

TsGradStep Step(TColor c1, TColor c2, int percent, int mode) {
    return {c1, c2, static_cast<std::uint8_t>(percent), mode};
}

} // namespace

TEST(FillGradient, OneVerticalStepRunsFromTheFirstToTheLastRow) {
    Bitmap b = Solid(4, 8, clFuchsia);
    // 6 rows, 5 steps of 51: every running value is a whole number.
    FillGradient(b, {1, 1, 3, 7}, {Step(RGB(0, 255, 10), RGB(255, 0, 10), 100, 0)}, 0);
    for (int y = 1; y < 7; ++y) {
        EXPECT_EQ(b.Pixel(1, y), RGB(51 * (y - 1), 255 - 51 * (y - 1), 10)) << "row " << y;
        EXPECT_EQ(b.Pixel(2, y), b.Pixel(1, y));
    }
    EXPECT_EQ(b.Pixel(0, 3), clFuchsia);
    EXPECT_EQ(b.Pixel(3, 3), clFuchsia);
    EXPECT_EQ(b.Pixel(1, 0), clFuchsia);
    EXPECT_EQ(b.Pixel(1, 7), clFuchsia);
}

TEST(FillGradient, OneHorizontalStepRunsFromTheLeftToTheRightColumn) {
    Bitmap b = Solid(7, 3, clFuchsia);
    FillGradient(b, {0, 1, 5, 3}, {Step(RGB(100, 0, 0), RGB(0, 0, 100), 100, 1)}, 0);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(b.Pixel(x, 1), RGB(100 - 25 * x, 0, 25 * x)) << "column " << x;
        EXPECT_EQ(b.Pixel(x, 2), b.Pixel(x, 1));
    }
    EXPECT_EQ(b.Pixel(5, 1), clFuchsia);
    EXPECT_EQ(b.Pixel(2, 0), clFuchsia);
}

TEST(FillGradient, TheNextStepRepaintsTheLastRowOfTheOneBefore) {
    Bitmap b = Solid(2, 11, clFuchsia);
    // Step one covers 50 % of 11 rows: rows 0 to 5; step two starts on row 5 with its own colour.
    FillGradient(b, {0, 0, 2, 11},
                 {Step(RGB(0, 0, 0), RGB(100, 0, 0), 50, 0), Step(RGB(0, 200, 0), RGB(0, 0, 0), 10, 0)}, 0);
    EXPECT_EQ(b.Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(b.Pixel(0, 4), RGB(80, 0, 0)) << "20 per row over 5 steps";
    EXPECT_EQ(b.Pixel(0, 5), RGB(0, 200, 0)) << "the last step starts on row 5";
    EXPECT_EQ(b.Pixel(0, 10), RGB(0, 0, 0)) << "and ends on the last row whatever its percent";
    EXPECT_EQ(b.Pixel(0, 7), RGB(0, 120, 0));
}

TEST(FillGradient, ModesOutsideZeroToTwoAndEmptyGradientsDrawNothing) {
    const Bitmap before = Solid(5, 5, clFuchsia);
    Bitmap b = before;
    FillGradient(b, b.BoundsRect(), {Step(clRed, clBlue, 100, 3), Step(clRed, clBlue, 100, 0)}, 0);
    EXPECT_EQ(b, before) << "only the first step's mode counts";
    FillGradient(b, b.BoundsRect(), {}, 0);
    EXPECT_EQ(b, before);
    EXPECT_FALSE(GradientDraws({Step(clRed, clBlue, 100, 3)}));
    EXPECT_TRUE(GradientDraws({Step(clRed, clBlue, 100, 2)}));
}

TEST(FillGradient, FourCornersMeetTheirStepColoursAtTheCorners) {
    Bitmap b = Solid(41, 41, clFuchsia);
    FillGradient(b, {0, 0, 40, 40},
                 {Step(RGB(255, 0, 0), 0, 0, 2), Step(RGB(0, 0, 0), 0, 0, 2), Step(RGB(0, 255, 0), 0, 0, 2)},
                 0);
    const auto near = [](TColor got, TColor want) {
        return std::abs(GetRValue(got) - GetRValue(want)) <= 16 &&
               std::abs(GetGValue(got) - GetGValue(want)) <= 16 &&
               std::abs(GetBValue(got) - GetBValue(want)) <= 16;
    };
    EXPECT_TRUE(near(b.Pixel(0, 0), RGB(255, 0, 0))) << "top-left: step 0";
    EXPECT_TRUE(near(b.Pixel(20, 20), clBlack)) << "centre: step 1";
    EXPECT_TRUE(near(b.Pixel(39, 0), RGB(0, 255, 0))) << "top-right: step 2";
    EXPECT_TRUE(near(b.Pixel(39, 39), RGB(0, 255, 0))) << "missing steps repeat the one before";
    EXPECT_TRUE(near(b.Pixel(0, 39), RGB(0, 255, 0)));
    EXPECT_EQ(b.Pixel(40, 20), clFuchsia);
}
