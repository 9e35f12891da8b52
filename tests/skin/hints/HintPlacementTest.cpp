// Where hints go and how opaque they get: the corner rules at the desktop's edges and the
// opacity and fade-in steps from the transparency.
#include "skin/hints/HintOpacity.h"
#include "skin/hints/TacHintPlacement.h"

#include <gtest/gtest.h>

namespace {
const TRect kDesktop{0, 0, 1000, 800};
const TSize kHint{120, 60};
} // namespace

TEST(HintPlacementTest, InTheOpenTheHintLiesByThePreferredCorner) {
    const TPoint p{500, 400};
    EXPECT_EQ(TacHintPlacement::Place(kHint, p, mpLeftTop, kDesktop).Bounds, (TRect{500, 400, 620, 460}));
    EXPECT_EQ(TacHintPlacement::Place(kHint, p, mpLeftTop, kDesktop).Corner, 0);
    const THintPlace rightBottom = TacHintPlacement::Place(kHint, p, mpRightBottom, kDesktop);
    EXPECT_EQ(rightBottom.Bounds, (TRect{380, 340, 500, 400}));
    EXPECT_EQ(rightBottom.Corner, 3);
    EXPECT_EQ(TacHintPlacement::Place(kHint, p, mpLeftBottom, kDesktop).Corner, 1);
    EXPECT_EQ(TacHintPlacement::Place(kHint, p, mpRightTop, kDesktop).Corner, 2);
}

TEST(HintPlacementTest, NearTheBottomRightTheHintOpensAboveAndLeftWithItsPointerFromCornerThree) {
    const TPoint p{950, 780};
    const THintPlace place = TacHintPlacement::Place(kHint, p, mpLeftTop, kDesktop);
    EXPECT_EQ(place.Bounds, (TRect{830, 720, 950, 780}));
    EXPECT_EQ(place.Corner, 3);
}

TEST(HintPlacementTest, EachEdgeTurnsTheHintToTheOtherSideOfThePositionOnly) {
    const THintPlace bottom = TacHintPlacement::Place(kHint, {500, 790}, mpLeftTop, kDesktop);
    EXPECT_EQ(bottom.Bounds, (TRect{500, 730, 620, 790}));
    EXPECT_EQ(bottom.Corner, 1);
    const THintPlace right = TacHintPlacement::Place(kHint, {990, 100}, mpLeftTop, kDesktop);
    EXPECT_EQ(right.Bounds, (TRect{870, 100, 990, 160}));
    EXPECT_EQ(right.Corner, 2);
    const THintPlace topLeft = TacHintPlacement::Place(kHint, {20, 10}, mpRightBottom, kDesktop);
    EXPECT_EQ(topLeft.Bounds, (TRect{20, 10, 140, 70}));
    EXPECT_EQ(topLeft.Corner, 0);
}

TEST(HintPlacementTest, ADesktopThatDoesNotStartAtZeroIsRespected) {
    const TRect desktop{100, 50, 600, 400};
    const THintPlace place = TacHintPlacement::Place(kHint, {110, 60}, mpRightBottom, desktop);
    EXPECT_EQ(place.Bounds, (TRect{110, 60, 230, 120}));
    EXPECT_EQ(place.Corner, 0);
}

TEST(HintOpacityTest, OpacityIsTheRoundedRestOfTheTransparencyHalvesToEven) {
    EXPECT_EQ(HintOpacity(0), 255);
    EXPECT_EQ(HintOpacity(5), 242) << "255 - round(12.75)";
    EXPECT_EQ(HintOpacity(50), 128) << "127.5 rounds to the even 128";
    EXPECT_EQ(HintOpacity(70), 76) << "76.5 rounds to the even 76";
    EXPECT_EQ(HintOpacity(100), 0);
    EXPECT_EQ(HintOpacity(130), 0);
    EXPECT_EQ(HintOpacity(-5), 255);
}

TEST(HintOpacityTest, TheFadeClimbsIn31EvenStepsToTheTarget) {
    const auto steps = HintFadeSteps(242);
    ASSERT_EQ(steps.size(), 31u);
    EXPECT_EQ(steps.front(), 8) << "round(242 / 31)";
    EXPECT_EQ(steps[14], 117) << "round(15 * 242 / 31) = round(117.1)";
    EXPECT_EQ(steps.back(), 242);
    for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_GE(steps[i], steps[i - 1]);
    for (std::uint8_t s : HintFadeSteps(0)) EXPECT_EQ(s, 0) << "a fully transparent hint stays invisible";
}
