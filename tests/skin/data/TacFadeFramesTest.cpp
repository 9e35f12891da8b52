// The frames of a cross-fade: their count, the old picture's weights and the mix of two pictures.
#include "skin/data/TacFadeFrames.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(TacFadeFramesTest, AFadeOf100MsHasThirteenFramesWhoseOldWeightFallsBy21) {
    EXPECT_EQ(TacFadeFrames::FrameCount(100), 13);
    for (int k = 0; k < 13; ++k) EXPECT_EQ(TacFadeFrames::OldWeight(100, k), 255 - 21 * k) << k;
    EXPECT_EQ(TacFadeFrames::FrameCount(7), 0);
    EXPECT_EQ(TacFadeFrames::FrameCount(0), 0);
    EXPECT_EQ(TacFadeFrames::FrameCount(8), 2);
    // One step of 255: the weight stops at 0 instead of going below.
    EXPECT_EQ(TacFadeFrames::OldWeight(8, 1), 0);
    EXPECT_EQ(TacFadeFrames::OldWeight(8, 2), 0);
}

TEST(TacFadeFramesTest, EachChannelMovesFromTheNewPictureTowardTheOldByTheWeight) {
    Bitmap oldPicture(3, 2), newPicture(3, 2), out(3, 2);
    const TColor olds[] = {RGB(255, 0, 10), RGB(0, 0, 0), RGB(200, 100, 50)};
    const TColor news[] = {RGB(0, 255, 10), RGB(255, 255, 255), RGB(50, 100, 200)};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            oldPicture.SetPixel(x, y, olds[x]);
            newPicture.SetPixel(x, y, news[x]);
        }
    }
    for (int weight : {0, 1, 128, 234, 255}) {
        TacFadeFrames::Mix(oldPicture, newPicture, weight, out);
        for (int x = 0; x < 3; ++x) {
            auto channel = [&](int shift) {
                const int o = (olds[x] >> shift) & 0xFF, n = (news[x] >> shift) & 0xFF;
                return std::clamp(n + weight * (o - n) / 256, 0, 255);
            };
            EXPECT_EQ(out.Pixel(x, 1), RGB(channel(0), channel(8), channel(16))) << weight << " " << x;
        }
    }
    // At full weight the old picture shows all but the last step: 255 over 0 gives 254.
    TacFadeFrames::Mix(oldPicture, newPicture, 255, out);
    EXPECT_EQ(out.Pixel(0, 0), RGB(254, 1, 10));
}
