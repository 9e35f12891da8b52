// Caption colours of sections and their contours.
#include "skin/paint/SectionText.h"
#include "skin/paint/ColorBlend.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "platform/text/TextDraw.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TInk {
    int Left = -1;
    int Top = -1;
    int Right = -1;
    int Bottom = -1; // inclusive
};

// The box of every pixel that is not white.
TInk InkOf(const Bitmap& b) {
    TInk ink;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            if (b.Pixel(x, y) == clWhite) continue;
            if (ink.Top < 0) ink.Top = y, ink.Left = x, ink.Right = x;
            ink.Left = std::min(ink.Left, x);
            ink.Right = std::max(ink.Right, x);
            ink.Bottom = y;
        }
    return ink;
}

class SectionText : public ::testing::Test {
protected:
    SectionText() {
        section.Color = RGB(0, 200, 0);
        section.FontColor = {RGB(0, 0, 0), NoContour, NoContour, NoContour, NoContour};
        section.HotFontColor = {RGB(255, 0, 0), NoContour, NoContour, NoContour, RGB(0, 0, 255)};
    }

    // The text drawn with the colours on a white bitmap; counts the canvas's drawing calls.
    Bitmap Draw(const char* text, const TacTextColors& colors) {
        Bitmap image = Solid(80, 30, clWhite);
        TCanvas canvas;
        canvas.SetHandle(std::make_unique<DeviceContext>(&image));
        canvas.Font()->SetSize(14);
        draws = 0;
        canvas.OnChange = [this](TObject*) { ++draws; };
        DrawContouredText(canvas, text, colors, DT_SINGLELINE | DT_NOPREFIX, {10, 5, 70, 25});
        EXPECT_EQ(canvas.Brush()->Style(), bsSolid) << "the canvas is left as it was";
        return image;
    }

    TsGeneralData section;
    int draws = 0;
};

} // namespace

TEST_F(SectionText, AHotCaptionWithOnlyABottomContourIsDrawnTwiceTheContourOneRowLower) {
    TacTextColors plain;
    plain.Main = RGB(255, 0, 0);
    const TInk text = InkOf(Draw("HIH", plain));
    const Bitmap contoured = Draw("HIH", SectionTextColors(section, true, true));
    EXPECT_EQ(draws, 2);
    const TInk both = InkOf(contoured);
    ASSERT_GE(text.Top, 0);
    EXPECT_EQ(both.Bottom, text.Bottom + 1) << "the contour shows one row below the text";
    EXPECT_EQ(both.Top, text.Top) << "and nothing of it above";
    EXPECT_EQ(both.Left, text.Left);
    for (int x = both.Left; x <= both.Right; ++x) {
        const TColor c = contoured.Pixel(x, both.Bottom);
        if (c == clWhite) continue;
        EXPECT_GT(GetBValue(c), GetRValue(c)) << "the lowest row is the contour's colour, at " << x;
    }
}

TEST_F(SectionText, EverySideIsOnePixelOutward) {
    TacTextColors plain;
    plain.Main = RGB(255, 0, 0);
    const TInk text = InkOf(Draw("HIH", plain));
    TacTextColors all = plain;
    all.Contours = {clBlue, clBlue, clBlue, clBlue};
    const TInk outline = InkOf(Draw("HIH", all));
    EXPECT_EQ(draws, 5);
    EXPECT_EQ(outline.Left, text.Left - 1);
    EXPECT_EQ(outline.Top, text.Top - 1);
    EXPECT_EQ(outline.Right, text.Right + 1);
    EXPECT_EQ(outline.Bottom, text.Bottom + 1);
}

TEST_F(SectionText, DisabledCaptionsMixFontAndBackgroundWithoutContours) {
    const TacTextColors colors = SectionTextColors(section, false, true);
    EXPECT_EQ(colors.Main, MixColors(RGB(0, 0, 0), RGB(0, 200, 0), 0.4));
    Draw("HIH", colors);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(SectionTextColors(section, true, false).Main, RGB(0, 0, 0));
    EXPECT_EQ(SectionTextColors(section, true, true).Contours[3], RGB(0, 0, 255));
}
