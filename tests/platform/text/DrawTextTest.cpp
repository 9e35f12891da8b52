// DrawText and TextOut: calculated rectangles against drawn pixels, word breaks and ellipses in
// Cyrillic, prefixes, alignment, tabs, clipping and colours.
#include "platform/text/TextDraw.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kSentence = "Сложность игры определяет, сколько клеток будет скрыто в начале партии.";

const Font* TestFont(int height = -13, const char* family = "Tahoma") {
    TLogFont lf;
    lf.FaceName = family;
    lf.Height = height;
    lf.CharSet = RUSSIAN_CHARSET;
    return Font::Get(lf);
}

struct Canvas {
    Bitmap Pixels;
    DeviceContext Dc;
    explicit Canvas(int w = 400, int h = 200, const Font* font = TestFont()) : Pixels(w, h), Dc(&Pixels) {
        Pixels.Fill(clWhite);
        Dc.SelectFont(font);
        Dc.SetBkMode(TRANSPARENT);
    }
    TRect Ink() const {
        TRect box;
        for (int y = 0; y < Pixels.Height(); ++y)
            for (int x = 0; x < Pixels.Width(); ++x)
                if (Pixels.Pixel(x, y) != clWhite) box = box.Union({x, y, x + 1, y + 1});
        return box;
    }
    int Draw(std::string_view text, TRect r, unsigned format) { return DrawText(&Dc, text, &r, format); }
};

bool Within(const TRect& inner, const TRect& outer) { return inner.IsEmpty() || inner.Intersect(outer) == inner; }

int LineHeight() { return TestFont()->Metrics().tmHeight; }

} // namespace

TEST(DrawText, CalculatedRectangleHoldsExactlyWhatIsDrawn) {
    struct Case {
        const char* Text;
        unsigned Format;
        int Width;
    };
    const Case cases[] = {
        {"Новая игра", DT_SINGLELINE, 0},
        {"Tavik Sudoku 1.0", DT_SINGLELINE | DT_CENTER, 0},
        {"1 2 3\n4 5 6\n7 8 9", DT_CENTER, 0},
        {"&Файл и &Справка", 0, 0},
        {"Имя\tВремя", DT_EXPANDTABS, 0},
        {kSentence, DT_WORDBREAK, 150},
        {kSentence, DT_WORDBREAK | DT_RIGHT, 200},
        {"Неправильно!!! Вы проиграли! Начать новую игру?", DT_WORDBREAK | DT_CENTER, 120},
    };
    for (const Case& c : cases) {
        Canvas canvas;
        TRect calc{20, 10, 20 + c.Width, 10};
        const int height = DrawText(&canvas.Dc, c.Text, &calc, c.Format | DT_CALCRECT);
        EXPECT_EQ(height, calc.Height()) << c.Text;
        EXPECT_EQ(canvas.Ink(), TRect{}) << "calculating draws nothing";
        canvas.Draw(c.Text, calc, c.Format | DT_NOCLIP);
        const TRect ink = canvas.Ink();
        EXPECT_TRUE(Within(ink, calc)) << c.Text << ": ink " << ink.Left << "," << ink.Top << "," << ink.Right << ","
                                       << ink.Bottom << " calc " << calc.Right << "," << calc.Bottom;
        // The text fills its rectangle up to side bearings and the descent below the last line;
        // a wrapped text keeps the given width.
        if (!(c.Format & DT_WORDBREAK)) {
            EXPECT_GE(ink.Width(), calc.Width() - 3) << c.Text;
        }
        EXPECT_GE(ink.Height(), calc.Height() - LineHeight() / 2) << c.Text;
    }
}

TEST(DrawText, WordBreaksFallBetweenCyrillicWords) {
    Canvas canvas;
    const int twoWords = GetTextExtent(&canvas.Dc, "клетка клетка").cx;
    TRect exact{0, 0, twoWords, 0};
    DrawText(&canvas.Dc, "клетка клетка клетка", &exact, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(exact.Height(), 2 * LineHeight());
    EXPECT_EQ(exact.Width(), twoWords) << "the width stays";
    TRect tight{0, 0, twoWords - 1, 0};
    DrawText(&canvas.Dc, "клетка клетка клетка", &tight, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(tight.Height(), 3 * LineHeight());
    EXPECT_EQ(tight.Width(), GetTextExtent(&canvas.Dc, "клетка").cx) << "the block is as wide as its widest line";

    // A word longer than the line is not split and widens the calculated rectangle...
    TRect narrow{0, 0, 10, 0};
    DrawText(&canvas.Dc, "переопределяется да", &narrow, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(narrow.Width(), GetTextExtent(&canvas.Dc, "переопределяется").cx);
    EXPECT_EQ(narrow.Height(), 2 * LineHeight());
    // ...unless the caller asks for edit-control breaking.
    TRect edit{0, 0, 40, 0};
    DrawText(&canvas.Dc, "переопределяется", &edit, DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
    EXPECT_LE(edit.Width(), 40);
    EXPECT_GT(edit.Width(), 40 - GetTextExtent(&canvas.Dc, "ш").cx) << "each piece fills its line";
    EXPECT_GT(edit.Height(), 2 * LineHeight());

    // Wrapped lines drop the spaces at the break; explicit line breaks always start a line.
    TRect lines{0, 0, 1000, 0};
    DrawText(&canvas.Dc, "один\r\nдва\rтри\nчетыре\n", &lines, DT_CALCRECT);
    EXPECT_EQ(lines.Height(), 4 * LineHeight());
    EXPECT_EQ(lines.Width(), GetTextExtent(&canvas.Dc, "четыре").cx);
    TRect single{0, 0, 1000, 0};
    DrawText(&canvas.Dc, "один\nдва", &single, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(single.Height(), LineHeight());
    EXPECT_EQ(single.Width(), GetTextExtent(&canvas.Dc, "одиндва").cx);
    TRect empty{5, 5, 50, 50};
    EXPECT_EQ(DrawText(&canvas.Dc, "", &empty, DT_CALCRECT), 0);
    EXPECT_EQ(empty, (TRect{5, 5, 5, 5}));
}

// The blanks that close a line stay part of it, so that centred lines of a fixed-pitch font
// keep their columns; word wrapping may not change that. Only the blanks at a wrap point go.
TEST(DrawText, ClosingBlanksOfALineCountWhenCentredButBlanksAtAWrapPointDoNot) {
    const Font* mono = TestFont(-20, "Courier New");
    const TRect box{10, 10, 210, 110};
    for (const char* keypad : {"1    \r\n     \r\n     ", "  2  \r\n4   6\r\n  8  ", "     \r\n     \r\n    9"}) {
        Canvas wrapped(400, 200, mono), plain(400, 200, mono);
        wrapped.Draw(keypad, box, DT_CENTER | DT_WORDBREAK);
        plain.Draw(keypad, box, DT_CENTER);
        EXPECT_FALSE(plain.Ink().IsEmpty());
        EXPECT_TRUE(wrapped.Pixels == plain.Pixels) << keypad;
    }
    const TRect narrow{10, 10, 10 + 4 * GetTextExtent(mono, " ").cx, 110};
    Canvas atBreak(400, 200, mono), broken(400, 200, mono);
    atBreak.Draw("ab     cd", narrow, DT_CENTER | DT_WORDBREAK);
    broken.Draw("ab\r\ncd", narrow, DT_CENTER | DT_WORDBREAK);
    EXPECT_TRUE(atBreak.Pixels == broken.Pixels) << "the blanks where the line wraps are dropped";
}

TEST(DrawText, EndEllipsisDrawsTheLongestFittingStartAndThreeDots) {
    const int width = 160;
    Canvas cut;
    cut.Draw(kSentence, {0, 0, width, 30}, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    EXPECT_TRUE(Within(cut.Ink(), {0, 0, width, 30}));

    // The same picture as drawing the start of the sentence that fits with "..." behind it.
    const std::u32string whole = U"Сложность игры определяет,";
    std::string expected;
    for (std::size_t n = 1; n <= whole.size(); ++n) {
        std::string start;
        for (std::size_t i = 0; i < n; ++i) {
            const char32_t c = whole[i];
            if (c < 0x80) {
                start += static_cast<char>(c);
            } else {
                start += static_cast<char>(0xC0 | (c >> 6));
                start += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        std::string trimmed = start;
        while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
        if (GetTextExtent(TestFont(), start + "...").cx <= width) expected = trimmed + "...";
    }
    ASSERT_FALSE(expected.empty());
    Canvas plain;
    plain.Draw(expected, {0, 0, width, 30}, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_TRUE(cut.Pixels == plain.Pixels) << expected;

    // A text that fits is left alone.
    Canvas fits, reference;
    fits.Draw("Новая игра", {0, 0, 200, 30}, DT_SINGLELINE | DT_END_ELLIPSIS);
    reference.Draw("Новая игра", {0, 0, 200, 30}, DT_SINGLELINE);
    EXPECT_TRUE(fits.Pixels == reference.Pixels);
}

TEST(DrawText, WrappedTextCutOffBelowEndsItsLastLineWithAnEllipsis) {
    const int width = 140;
    TRect calc{0, 0, width, 0};
    Canvas canvas;
    DrawText(&canvas.Dc, kSentence, &calc, DT_WORDBREAK | DT_CALCRECT);
    ASSERT_GT(calc.Height(), 3 * LineHeight());
    const TRect box{0, 0, width, 2 * LineHeight() + 2};
    const int drawn = canvas.Draw(kSentence, box, DT_WORDBREAK | DT_END_ELLIPSIS);
    EXPECT_EQ(drawn, 2 * LineHeight());
    EXPECT_TRUE(Within(canvas.Ink(), {0, 0, width, 2 * LineHeight()}));
    // The second line carries the dots: it differs from the plain second line at its end.
    Canvas plain;
    plain.Draw(kSentence, box, DT_WORDBREAK);
    EXPECT_FALSE(canvas.Pixels == plain.Pixels);
}

TEST(DrawText, PrefixesUnderlineTheNextCharacterAndDoubleAmpersandsStay) {
    Canvas prefixed, plain, noPrefix, hidden;
    prefixed.Draw("&Файл", {0, 0, 100, 30}, DT_SINGLELINE);
    plain.Draw("Файл", {0, 0, 100, 30}, DT_SINGLELINE);
    hidden.Draw("&Файл", {0, 0, 100, 30}, DT_SINGLELINE | DT_HIDEPREFIX);
    noPrefix.Draw("&Файл", {0, 0, 100, 30}, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_TRUE(hidden.Pixels == plain.Pixels);
    EXPECT_FALSE(noPrefix.Pixels == plain.Pixels);
    // The underline sits below the baseline, under the first letter only.
    const int baseline = TestFont()->Metrics().tmAscent;
    const int advance = GetTextExtent(TestFont(), "Ф").cx;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            if (prefixed.Pixels.Pixel(x, y) == plain.Pixels.Pixel(x, y)) continue;
            EXPECT_GT(y, baseline - 1);
            EXPECT_LT(x, advance);
        }
    EXPECT_FALSE(prefixed.Pixels == plain.Pixels);
    TRect doubled{0, 0, 0, 0};
    DrawText(&plain.Dc, "a&&b", &doubled, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(doubled.Width(), GetTextExtent(TestFont(), "a&b").cx);
}

TEST(DrawText, AlignmentAndRightToLeftReadingMirrorEachOther) {
    const TRect box{10, 10, 210, 60};
    Canvas left, right, centre, rtlLeft, rtlRight;
    left.Draw("Новая игра", box, DT_SINGLELINE);
    right.Draw("Новая игра", box, DT_SINGLELINE | DT_RIGHT);
    centre.Draw("Новая игра", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    rtlLeft.Draw("Новая игра", box, DT_SINGLELINE | DT_RTLREADING);
    rtlRight.Draw("Новая игра", box, DT_SINGLELINE | DT_RIGHT | DT_RTLREADING);
    EXPECT_TRUE(rtlLeft.Pixels == right.Pixels) << "right-aligned by default";
    EXPECT_TRUE(rtlRight.Pixels == left.Pixels);
    const int width = GetTextExtent(TestFont(), "Новая игра").cx;
    EXPECT_GE(right.Ink().Right, box.Right - 2);
    EXPECT_LE(right.Ink().Left, box.Right - width + 2);
    EXPECT_NEAR(centre.Ink().Left - box.Left, box.Right - centre.Ink().Right, 3);
    EXPECT_NEAR(centre.Ink().Top - box.Top, box.Bottom - centre.Ink().Bottom, 4);

    Canvas bottom;
    bottom.Draw("Новая игра", box, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_LE(bottom.Ink().Bottom, box.Bottom);
    EXPECT_GE(bottom.Ink().Top, box.Bottom - LineHeight());
    Canvas multi;
    multi.Draw("Новая\nигра", box, DT_VCENTER);
    EXPECT_LT(multi.Ink().Top, box.Top + LineHeight()) << "vertical centring is for single lines only";
}

TEST(DrawText, TabsExpandToEightAverageCharacters) {
    Canvas canvas;
    const int tab = 8 * TestFont()->Metrics().tmAveCharWidth;
    TRect r{0, 0, 0, 0};
    DrawText(&canvas.Dc, "ab\tx", &r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(r.Width(), tab + GetTextExtent(TestFont(), "x").cx);
    TRect two{0, 0, 0, 0};
    DrawText(&canvas.Dc, "\t\tx", &two, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(two.Width(), 2 * tab + GetTextExtent(TestFont(), "x").cx);
}

TEST(DrawText, ClippingToTheRectangleAndToTheContextWithAMovedOrigin) {
    Canvas clipped, free;
    clipped.Draw("Новая игра", {0, 0, 30, 8}, DT_SINGLELINE);
    EXPECT_TRUE(Within(clipped.Ink(), {0, 0, 30, 8}));
    free.Draw("Новая игра", {0, 0, 30, 8}, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(free.Ink().Right, 30);

    Canvas moved;
    moved.Dc.SetViewportOrg(50, 40);
    moved.Dc.IntersectClipRect({0, 0, 25, 100});
    moved.Draw("Новая игра", {0, 0, 300, 100}, DT_SINGLELINE | DT_NOCLIP);
    const TRect ink = moved.Ink();
    EXPECT_TRUE(Within(ink, {50, 40, 75, 140}));
    EXPECT_GE(ink.Left, 50);
    EXPECT_FALSE(ink.IsEmpty());
}

TEST(DrawText, TextColourOpaqueBackgroundAndDecorations) {
    Canvas canvas(300, 80, TestFont(-40));
    canvas.Dc.SetTextColor(clNavy);
    canvas.Dc.SetBkMode(OPAQUE);
    canvas.Dc.SetBkColor(clYellow);
    canvas.Draw("Ш", {0, 0, 300, 80}, DT_SINGLELINE);
    const TSize size = GetTextExtent(TestFont(-40), "Ш");
    int solid = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 300; ++x) {
            const TColor c = canvas.Pixels.Pixel(x, y);
            const bool inBox = x < size.cx && y < size.cy;
            if (!inBox) {
                ASSERT_EQ(c, clWhite) << x << "," << y;
            }
            solid += c == clNavy;
        }
    EXPECT_GT(solid, 100) << "fully covered pixels take the text colour exactly";
    EXPECT_EQ(canvas.Pixels.Pixel(size.cx - 1, 0), clYellow);

    TLogFont lf = TestFont(-20)->LogFont();
    lf.Underline = true;
    Canvas under(200, 40, Font::Get(lf)), plain(200, 40, TestFont(-20));
    under.Draw("ab", {0, 0, 200, 40}, DT_SINGLELINE);
    plain.Draw("ab", {0, 0, 200, 40}, DT_SINGLELINE);
    EXPECT_GT(under.Ink().Bottom, TestFont(-20)->Metrics().tmAscent);
    EXPECT_FALSE(under.Pixels == plain.Pixels);
    lf.Underline = false;
    lf.StrikeOut = true;
    Canvas struck(200, 40, Font::Get(lf));
    struck.Draw("ab", {0, 0, 200, 40}, DT_SINGLELINE);
    EXPECT_FALSE(struck.Pixels == plain.Pixels);
}

TEST(TextOut, DrawsOneLineAtThePointAndIntoThirtyTwoBits) {
    Canvas canvas;
    canvas.Dc.SetViewportOrg(5, 5);
    ASSERT_TRUE(TextOut(&canvas.Dc, 10, 20, "&Новая\tигра"));
    const TRect ink = canvas.Ink();
    EXPECT_GE(ink.Left, 15);
    EXPECT_GE(ink.Top, 25);
    EXPECT_LE(ink.Bottom, 25 + LineHeight());
    EXPECT_NEAR(ink.Width(), GetTextExtent(TestFont(), "&Новая\tигра").cx, 3) << "no prefix handling";

    Bitmap argb(100, 30, TPixelFormat::pf32bit);
    argb.Fill(clWhite, 0);
    DeviceContext dc(&argb);
    dc.SelectFont(TestFont());
    TextOut(&dc, 0, 0, "Ж");
    bool opaqueInk = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 20; ++x) opaqueInk |= argb.Pixel(x, y) != clWhite && argb.Alpha(x, y) == 255;
    EXPECT_TRUE(opaqueInk);
}

TEST(TextMetrics, ComeFromTheSelectedFontOrTheDefault) {
    Bitmap b(10, 10);
    DeviceContext dc(&b);
    TTextMetric m;
    ASSERT_TRUE(GetTextMetrics(&dc, &m));
    EXPECT_EQ(m.tmHeight, Font::Default()->Metrics().tmHeight);
    dc.SelectFont(TestFont(-30));
    ASSERT_TRUE(GetTextMetrics(&dc, &m));
    EXPECT_EQ(m.tmHeight, TestFont(-30)->Metrics().tmHeight);
    EXPECT_EQ(GetTextExtent(&dc, "").cx, 0);
    EXPECT_EQ(GetTextExtent(&dc, "").cy, m.tmHeight);
    EXPECT_GT(GetTextExtent(&dc, "\xFF\xFE").cx, 0) << "bad bytes still take room";
    EXPECT_FALSE(GetTextMetrics(&dc, nullptr));
}
