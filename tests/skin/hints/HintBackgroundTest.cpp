// The inside of a drawn hint: colour, gradient and texture mixed by their shares, computed here from
// the blend formulas.
#include "skin/hints/TacHintBackground.h"
#include "skin/hints/TsHintKind.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "framework/TBitmap.h"

#include <gtest/gtest.h>

namespace {
constexpr TColor kColor = RGB(200, 100, 50);
constexpr TColor kTop = RGB(0, 40, 255);
constexpr TColor kBottom = RGB(250, 240, 5);

// One vertical step over the whole height, from kTop to kBottom.
std::string Gradient() {
    return std::to_string(kTop) + ";" + std::to_string(kBottom) + ";100;0;0";
}

// Per channel round(keep / 100 * painted + (1 - keep / 100) * colour).
TColor KeepPercent(TColor painted, int keep, TColor colour) {
    return PerChannel(painted, colour, [&](int p, int c) { return RoundEven(keep / 100.0 * p + (1 - keep / 100.0) * c); });
}

// Per channel (texture * a + gradient * (255 - a) + 127) div 256.
TColor OverTexture(TColor texture, TColor gradient, int a) {
    return PerChannel(texture, gradient, [&](int t, int g) { return (t * a + g * (255 - a) + 127) / 256; });
}

class HintBackgroundTest : public ::testing::Test {
protected:
    HintBackgroundTest() {
        Kind.SetColor(kColor);
        Canvas.Fill(clWhite);
    }
    void UseTexture() {
        TBitmap tile(2, 2);
        tile.Image().SetPixel(0, 0, RGB(10, 20, 30));
        tile.Image().SetPixel(1, 0, RGB(40, 50, 60));
        tile.Image().SetPixel(0, 1, RGB(70, 80, 90));
        tile.Image().SetPixel(1, 1, RGB(100, 110, 120));
        Kind.Texture()->SetGraphic(&tile);
    }
    TsHintKind Kind;
    Bitmap Canvas{12, 11};
    const TRect Area{1, 2, 11, 10};
};
} // namespace

TEST_F(HintBackgroundTest, AGradientShareKeepsItsPercentOfTheGradientAndTheColourGetsTheRest) {
    Kind.SetGradientData(Gradient());
    Kind.SetGradientPercent(60);
    TacHintBackground::Paint(Kind, Canvas, Area);
    EXPECT_EQ(Canvas.Pixel(3, Area.Top), KeepPercent(kTop, 60, kColor));
    EXPECT_EQ(Canvas.Pixel(10, Area.Bottom - 1), KeepPercent(kBottom, 60, kColor));
    EXPECT_EQ(Canvas.Pixel(0, 5), clWhite) << "nothing outside the rectangle";
    EXPECT_EQ(Canvas.Pixel(5, 10), clWhite);
}

TEST_F(HintBackgroundTest, AWholeGradientShowsTheGradientAlone) {
    Kind.SetGradientData(Gradient());
    Kind.SetGradientPercent(100);
    TacHintBackground::Paint(Kind, Canvas, Area);
    EXPECT_EQ(Canvas.Pixel(1, Area.Top), kTop);
    EXPECT_EQ(Canvas.Pixel(1, Area.Bottom - 1), kBottom);
}

TEST_F(HintBackgroundTest, GradientDataWithoutAStepTurnsTheGradientOffForGood) {
    Kind.SetGradientData("no step here");
    Kind.SetGradientPercent(40);
    TacHintBackground::Paint(Kind, Canvas, Area);
    EXPECT_EQ(Kind.GradientPercent(), 0);
    EXPECT_EQ(Canvas.Pixel(5, 5), kColor);
}

TEST_F(HintBackgroundTest, AGradientOverATextureIsBlendedByTheTexturesShare) {
    UseTexture();
    Kind.SetTexturePercent(50);
    Kind.SetGradientData(Gradient());
    Kind.SetGradientPercent(50);
    TacHintBackground::Paint(Kind, Canvas, Area);
    const int a = 50 * 256 / 100;
    EXPECT_EQ(Canvas.Pixel(Area.Left, Area.Top), OverTexture(RGB(10, 20, 30), kTop, a))
        << "the texture tiles from the rectangle's top-left";
    EXPECT_EQ(Canvas.Pixel(Area.Left + 1, Area.Bottom - 1), OverTexture(RGB(100, 110, 120), kBottom, a));
}

TEST_F(HintBackgroundTest, ATextureShareAloneKeepsItsPercentOfTheTexture) {
    UseTexture();
    Kind.SetTexturePercent(30);
    TacHintBackground::Paint(Kind, Canvas, Area);
    EXPECT_EQ(Canvas.Pixel(Area.Left + 1, Area.Top), KeepPercent(RGB(40, 50, 60), 30, kColor));
    EXPECT_EQ(Canvas.Pixel(Area.Left + 2, Area.Top + 3), KeepPercent(RGB(70, 80, 90), 30, kColor));
}
