// Stored window geometry fitted to the work area: sane values stay, sizes are held between the
// smallest window and the work area, places are moved just onto it, and no value overflows.
#include "app/logic/FitToWorkArea.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
// A work area below a task bar that does not start at the screen's corner.
const TRect Work{0, 30, 1280, 1000};
const TSize Smallest{112, 27};
constexpr int Max = std::numeric_limits<int>::max();
constexpr int Min = std::numeric_limits<int>::min();
} // namespace

TEST(FitToWorkArea, BoundsThatFitAreKept) {
    EXPECT_EQ(FitToWorkArea(33, 44, 600, 520, Work, Smallest), Bounds(33, 44, 600, 520));
    EXPECT_EQ(FitToWorkArea(0, 30, 1280, 970, Work, Smallest), Work);
    EXPECT_EQ(FitToWorkArea(1168, 973, 112, 27, Work, Smallest), Bounds(1168, 973, 112, 27));
}

TEST(FitToWorkArea, APlaceOffTheWorkAreaMovesJustOntoIt) {
    EXPECT_EQ(FitToWorkArea(-99999, -99999, 450, 450, Work, Smallest), Bounds(0, 30, 450, 450));
    EXPECT_EQ(FitToWorkArea(99999, 99999, 450, 450, Work, Smallest), Bounds(830, 550, 450, 450));
    // Half off the right edge: moved left by the part that stuck out, the top kept.
    EXPECT_EQ(FitToWorkArea(1000, 100, 450, 450, Work, Smallest), Bounds(830, 100, 450, 450));
    EXPECT_EQ(FitToWorkArea(Min, Max, 450, 450, Work, Smallest), Bounds(0, 550, 450, 450));
}

TEST(FitToWorkArea, SizesStayBetweenTheSmallestWindowAndTheWorkArea) {
    EXPECT_EQ(FitToWorkArea(10, 40, 99999999, 450, Work, Smallest), Bounds(0, 40, 1280, 450));
    EXPECT_EQ(FitToWorkArea(10, 40, 20000, 20000, Work, Smallest), Work);
    EXPECT_EQ(FitToWorkArea(10, 40, Max, Max, Work, Smallest), Work);
    EXPECT_EQ(FitToWorkArea(10, 40, -500, 0, Work, Smallest), Bounds(10, 40, 112, 27));
    EXPECT_EQ(FitToWorkArea(10, 40, Min, Min, Work, Smallest), Bounds(10, 40, 112, 27));
}

TEST(FitToWorkArea, AWorkAreaSmallerThanTheSmallestWindowGivesTheSmallestAtItsCorner) {
    const TRect tiny{5, 5, 69, 20};
    EXPECT_EQ(FitToWorkArea(300, 300, 450, 450, tiny, Smallest), Bounds(5, 5, 112, 27));
}
