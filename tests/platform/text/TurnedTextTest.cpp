// Turned text: each quarter turn of the escapement draws exactly the pixels of upright text
// turned by hand, TextOut turns about its point, DrawText centres in the turned rectangle and
// measures it turned, and the turn's coverage and rectangles map pixel for pixel.
#include "platform/text/TextDraw.h"
#include "platform/text/TextTurn.h"

#include <gtest/gtest.h>

namespace {

const Font* Turned(int escapement, bool underline = false) {
    TLogFont lf;
    lf.FaceName = "Arial";
    lf.Height = -15;
    lf.CharSet = RUSSIAN_CHARSET;
    lf.Underline = underline;
    lf.Escapement = escapement;
    lf.Orientation = escapement;
    return Font::Get(lf);
}

// The bitmap turned counter-clockwise by quarter turns, as the screen shows it.
Bitmap TurnByHand(const Bitmap& b, int quarter) {
    const bool swap = quarter % 2 != 0;
    Bitmap out(swap ? b.Height() : b.Width(), swap ? b.Width() : b.Height());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const TColor c = b.Pixel(x, y);
            if (quarter == 1) out.SetPixel(y, b.Width() - 1 - x, c);
            else if (quarter == 2) out.SetPixel(b.Width() - 1 - x, b.Height() - 1 - y, c);
            else if (quarter == 3) out.SetPixel(b.Height() - 1 - y, x, c);
            else out.SetPixel(x, y, c);
        }
    return out;
}

Bitmap Drawn(const Font* font, int w, int h, const std::string& text, unsigned format, bool viaTextOut = false) {
    Bitmap pixels(w, h);
    pixels.Fill(RGB(250, 245, 200));
    DeviceContext dc(&pixels);
    dc.SelectFont(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(20, 40, 160));
    TRect r{0, 0, w, h};
    if (viaTextOut) TextOut(&dc, 0, 0, text);
    else DrawText(&dc, text, &r, format);
    return pixels;
}

int Differences(const Bitmap& a, const Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}

} // namespace

TEST(TurnedText, EachQuarterTurnIsTheUprightTextTurnedByHand) {
    const std::string text = "Пометки Wj_";
    for (bool underline : {false, true}) {
        // An odd-sized box, so an off-by-one in the turn cannot cancel out.
        const Bitmap upright = Drawn(Turned(0, underline), 121, 27, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ASSERT_GT(Differences(upright, Drawn(Turned(0), 121, 27, "", 0)), 100) << "the text shows";
        for (int quarter = 1; quarter < 4; ++quarter) {
            const bool swap = quarter % 2 != 0;
            const Bitmap turned = Drawn(Turned(quarter * 900, underline), swap ? 27 : 121, swap ? 121 : 27, text,
                                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            EXPECT_EQ(Differences(turned, TurnByHand(upright, quarter)), 0) << "quarter " << quarter << " underline " << underline;
        }
    }
}

TEST(TurnedText, NegativeEscapementsAreTheSameTurnsAndOddAnglesRoundToTheNearestQuarter) {
    EXPECT_EQ(TextTurn::QuarterOf(-2700), 1);
    EXPECT_EQ(TextTurn::QuarterOf(-900), 3);
    EXPECT_EQ(TextTurn::QuarterOf(3600 + 900), 1);
    EXPECT_EQ(TextTurn::QuarterOf(440), 0);
    EXPECT_EQ(TextTurn::QuarterOf(460), 1);
    const Bitmap left = Drawn(Turned(-2700), 20, 80, "Выбор", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const Bitmap up = Drawn(Turned(900), 20, 80, "Выбор", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(Differences(left, up), 0);
}

TEST(TurnedText, TextOutTurnsAboutItsPointAndTheExtentIsMeasuredTurned) {
    // Upright text at (0, 0) fills the bitmap's top-left; a quarter turn about the bottom-left
    // corner of a tall bitmap is the same picture turned.
    const std::string text = "Ab";
    const TSize extent = GetTextExtent(Turned(0), text);
    const Bitmap upright = Drawn(Turned(0), extent.cx, extent.cy, text, 0, true);
    Bitmap tall(extent.cy, extent.cx);
    tall.Fill(RGB(250, 245, 200));
    DeviceContext dc(&tall);
    dc.SelectFont(Turned(900));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(20, 40, 160));
    TextOut(&dc, 0, extent.cx, text);
    EXPECT_EQ(Differences(tall, TurnByHand(upright, 1)), 0);
    EXPECT_EQ(GetTextExtent(Turned(900), text), extent) << "measured along the baseline";
    TRect calc{5, 5, 5, 5};
    DrawText(&dc, text, &calc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(calc, (TRect{5, 5, 5 + extent.cy, 5 + extent.cx}));
}

TEST(TurnedText, CoverageAndRectanglesTurnPixelForPixel) {
    // A 3 x 2 block with every value distinct, at frame (1, 2).
    const std::uint8_t block[] = {1, 2, 3, 4, 5, 6};
    const TRect frame{1, 2, 4, 4};
    for (int quarter = 0; quarter < 4; ++quarter) {
        const TextTurn turn(quarter, {50, 60});
        const TRect box = turn.ToDevice(frame);
        const std::vector<std::uint8_t> turned = turn.TurnCoverage(block, 3, 2);
        ASSERT_EQ(static_cast<int>(turned.size()), box.Width() * box.Height());
        // Each frame pixel's own one-pixel rectangle lands where the turned block holds its value.
        for (int v = 0; v < 2; ++v)
            for (int u = 0; u < 3; ++u) {
                const TRect one = turn.ToDevice({frame.Left + u, frame.Top + v, frame.Left + u + 1, frame.Top + v + 1});
                ASSERT_EQ(one.Width() * one.Height(), 1);
                EXPECT_EQ(turned[static_cast<std::size_t>((one.Top - box.Top) * box.Width() + one.Left - box.Left)], block[v * 3 + u])
                    << "quarter " << quarter;
            }
    }
    // Upward text: the frame's first column is the device's bottom row, left of the origin's x.
    EXPECT_EQ(TextTurn(1, {50, 60}).ToDevice({0, 0, 1, 1}), (TRect{50, 59, 51, 60}));
}
