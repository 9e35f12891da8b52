// Text fitting with an ellipsis, the dotted focus frame and key-colour regions.
#include "skin/paint/CanvasRoutines.h"
#include "skin/paint/RegionFromKeyColor.h"
#include "tests/skin/paint/PaintTestKit.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CanvasOnBitmap : public ::testing::Test {
protected:
    CanvasOnBitmap() : image(Solid(40, 20, clGray)) {
        canvas.SetHandle(std::make_unique<DeviceContext>(&image));
    }

    Bitmap image;
    TCanvas canvas;
};

} // namespace

TEST_F(CanvasOnBitmap, FittingKeepsTextThatFitsAndCutsWholeCharactersOtherwise) {
    const std::string text = "Привет, мир";
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, canvas.TextWidth(text)), text);
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, canvas.TextWidth("Пр...")), "Пр...")
        << "Cyrillic letters are two bytes each and are never cut in two";
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, canvas.TextWidth("Пр...") - 1), "П...");
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, canvas.TextWidth("П...") - 1), "")
        << "when not even one character and the dots fit, nothing is left";
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, 0), "");
    EXPECT_EQ(FitTextWithEllipsis(canvas, "", 10), "");
}

TEST_F(CanvasOnBitmap, FocusFrameDotsEveryThirdPixelWithWhiteUpAndLeft) {
    DrawSkinFocusRect(canvas, {2, 2, 8, 6});
    for (int x : {2, 5, 8}) {
        EXPECT_EQ(image.Pixel(x, 2), clBlack) << x;
        EXPECT_EQ(image.Pixel(x, 6), clBlack) << x;
        EXPECT_EQ(image.Pixel(x - 1, 1), clWhite) << x;
        EXPECT_EQ(image.Pixel(x - 1, 5), clWhite) << x;
    }
    for (int y : {2, 5}) {
        EXPECT_EQ(image.Pixel(2, y), clBlack) << y;
        EXPECT_EQ(image.Pixel(8, y), clBlack) << y;
    }
    EXPECT_EQ(image.Pixel(7, 4), clWhite) << "the right edge's white dot for row 5";
    EXPECT_EQ(image.Pixel(3, 2), clGray);
    EXPECT_EQ(image.Pixel(2, 3), clGray);
    EXPECT_EQ(image.Pixel(4, 4), clGray);
}

TEST(RegionFromKeyColor, LeavesOutEveryRunOfTheKey) {
    Bitmap b = Solid(5, 3, clWhite);
    b.SetPixel(1, 0, clFuchsia);
    b.SetPixel(2, 0, clFuchsia);
    b.SetPixel(4, 2, clFuchsia);
    const Region region = RegionFromKeyColor(b, clFuchsia);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(region.Contains({x, y}), b.Pixel(x, y) != clFuchsia) << x << "," << y;
    const Bitmap flat = Solid(5, 1, clFuchsia);
    EXPECT_EQ(RegionFromKeyColor(flat, clFuchsia), Region(flat.BoundsRect()))
        << "bitmaps under 2 x 2 keep it all";
}
