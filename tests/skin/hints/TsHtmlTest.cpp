// The hint markup layout: runs, styles, fonts, colours, line breaks, escapes and broken tags,
// each checked against the same runs drawn and measured one by one with plain canvas calls.
#include "skin/hints/HtmlColors.h"
#include "skin/hints/TsHtml.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
constexpr int kWidth = 400;
constexpr int kHeight = 120;

struct TRun {
    std::string Text;
    TFontStyles Style;
    TColor Color = clBlack;
    int SizeDelta = 0;
};

class TsHtmlTest : public ::testing::Test {
protected:
    static void Reset(TBitmap& bitmap) {
        bitmap.SetSize(kWidth, kHeight);
        bitmap.Image().Fill(clWhite);
        TCanvas* c = bitmap.Canvas();
        c->Font()->SetName("Tahoma");
        c->Font()->SetSize(10);
        c->Font()->SetStyle({});
        c->Font()->SetColor(clBlack);
        c->Brush()->SetStyle(bsClear);
    }
    // Lays the markup out at origin on a fresh bitmap.
    TRect Layout(const std::string& text, TPoint origin = {0, 0}) {
        Reset(Drawn);
        TsHtml html;
        html.Prepare(&Drawn, text, {origin.X, origin.Y, origin.X + kWidth, origin.Y});
        return html.Render();
    }
    // Draws runs one after another on one line with the canvas; returns the pen's x at the end.
    int DrawRuns(const std::vector<TRun>& runs, int y = 0) {
        TCanvas* c = Expected.Canvas();
        int x = 0;
        for (const TRun& run : runs) {
            c->Font()->SetStyle(run.Style);
            c->Font()->SetColor(run.Color);
            c->Font()->SetSize(10 + run.SizeDelta);
            c->TextOut(x, y, run.Text);
            x += c->TextWidth(run.Text);
        }
        return x;
    }
    int LetterHeight(TFontStyles style = {}, int size = 10) {
        TBitmap probe(1, 1);
        probe.Canvas()->Font()->SetName("Tahoma");
        probe.Canvas()->Font()->SetSize(size);
        probe.Canvas()->Font()->SetStyle(style);
        return probe.Canvas()->TextHeight("X");
    }
    void SetUp() override { Reset(Expected); }

    TBitmap Drawn;
    TBitmap Expected;
};
} // namespace

TEST_F(TsHtmlTest, ABoldTagMakesOnlyItsWordsBoldAndTheBlanksBelongToTheNeighbouringRuns) {
    const TRect used = Layout("one <B>two</B> three");
    const int end = DrawRuns({{"one ", {}}, {"two", {fsBold}}, {" three", {}}});
    EXPECT_EQ(used, (TRect{0, 0, end, LetterHeight({fsBold})}));
    EXPECT_TRUE(Drawn.Image() == Expected.Image());
    EXPECT_NE(end, DrawRuns({{"one two three", {}}}, 60)) << "the bold word must change the width";
}

TEST_F(TsHtmlTest, ALineBreakStartsASecondLineTwoPixelsBelowTheFirstLinesLetterHeight) {
    const TRect used = Layout("first<BR>second line");
    const int h = LetterHeight();
    const int first = DrawRuns({{"first", {}}});
    const int second = DrawRuns({{"second line", {}}}, h + 2);
    EXPECT_EQ(used, (TRect{0, 0, std::max(first, second), 2 * h + 2}));
    EXPECT_TRUE(Drawn.Image() == Expected.Image());
}

TEST_F(TsHtmlTest, TwoLessThanSignsDrawOneAndOpenNoTag) {
    const TRect used = Layout("a<<B>c");
    const int end = DrawRuns({{"a", {}}, {"<B>c", {}}});
    EXPECT_EQ(used.Right, end);
    EXPECT_TRUE(Drawn.Image() == Expected.Image()) << "no bold: the tag was text";
}

TEST_F(TsHtmlTest, AFontTagChangesColourAndSizeUntilItsClosingTagRestoresTheFontBefore) {
    const TRect used = Layout("<FONT COLOR=RED SIZE=+2>big</FONT> small");
    const int end = DrawRuns({{"big", {}, 0x0000FF, 2}, {" small", {}}});
    EXPECT_EQ(used, (TRect{0, 0, end, LetterHeight({}, 12)}));
    EXPECT_TRUE(Drawn.Image() == Expected.Image());
    EXPECT_EQ(Drawn.Canvas()->Font()->Color(), clBlack);
    EXPECT_EQ(Drawn.Canvas()->Font()->Size(), 10);
}

TEST_F(TsHtmlTest, SizesSetAddAndSubtractPointsAndAMalformedSizeChangesNothing) {
    Layout("<FONT SIZE=14>x");
    EXPECT_EQ(Drawn.Canvas()->Font()->Size(), 14);
    Layout("<FONT SIZE=-3>x");
    EXPECT_EQ(Drawn.Canvas()->Font()->Size(), 7);
    const TRect used = Layout("<FONT SIZE=big>x");
    EXPECT_EQ(Drawn.Canvas()->Font()->Size(), 10);
    EXPECT_EQ(used.Right, DrawRuns({{"x", {}}})) << "the text after the tag is still laid out";
    Layout("<FONT SIZE=+99999999999>x</FONT><FONT SIZE=-999>y");
    EXPECT_GE(Drawn.Canvas()->Font()->Size(), 1) << "sizes stay drawable";
}

TEST_F(TsHtmlTest, ColoursAreReadInEveryWrittenFormAndInAnyLetterCase) {
    for (const char* tag : {"<FONT COLOR=#FF0000>", "<font color=ff0000>", "<Font Color=\"FF0000\">",
                            "<FONT COLOR=red>", "<font COLOR=\"#ff0000\">", "<FONT COLOR=FF0000h>"}) {
        Layout(std::string(tag) + "x");
        EXPECT_EQ(Drawn.Canvas()->Font()->Color(), static_cast<TColor>(0x0000FF)) << tag;
    }
    EXPECT_EQ(HtmlColorValue("NAVY"), 0x800000u);
    EXPECT_EQ(HtmlColorValue("OLIVE"), 0x008080u);
    EXPECT_EQ(HtmlColorValue("#00FF80"), static_cast<TColor>(RGB(0, 255, 0x80)));
    EXPECT_EQ(HtmlColorValue("12G456"), clBlack) << "a letter that is no hexadecimal digit gives black";
    EXPECT_EQ(HtmlColorValue(""), clBlack);
}

TEST_F(TsHtmlTest, ATagThatNeverClosesEndsThePassBeforeIt) {
    const TRect used = Layout("seen <B unseen");
    const int end = DrawRuns({{"seen ", {}}});
    EXPECT_EQ(used, (TRect{0, 0, end, LetterHeight()}));
    EXPECT_TRUE(Drawn.Image() == Expected.Image());
}

TEST_F(TsHtmlTest, LineFeedsAndCarriageReturnsNeitherBreakTheLineNorShow) {
    const TRect used = Layout("ab\r\ncd\nef");
    const int end = DrawRuns({{"abcdef", {}}});
    EXPECT_EQ(used, (TRect{0, 0, end, LetterHeight()}));
    EXPECT_TRUE(Drawn.Image() == Expected.Image());
}

TEST_F(TsHtmlTest, AClosingFontTagWithNothingPushedKeepsTheFont) {
    Layout("<B>a</FONT>b");
    EXPECT_TRUE(Drawn.Canvas()->Font()->Style().Contains(fsBold));
    EXPECT_EQ(Drawn.Canvas()->Font()->Size(), 10);
}

TEST_F(TsHtmlTest, TagsAreKnownByWhereTheirNameFirstStands) {
    Layout("<BIG>a");
    EXPECT_TRUE(Drawn.Canvas()->Font()->Style().Contains(fsBold)) << "a name beginning with B is bold";
    Layout("<B>a</BR>b");
    EXPECT_FALSE(Drawn.Canvas()->Font()->Style().Contains(fsBold)) << "the closing form of BR ends bold";
    Layout("<IMG>a");
    EXPECT_TRUE(Drawn.Canvas()->Font()->Style().Contains(fsItalic));
    Layout("<I>a</I>b<U>c");
    EXPECT_FALSE(Drawn.Canvas()->Font()->Style().Contains(fsItalic));
    EXPECT_FALSE(Drawn.Canvas()->Font()->Style().Contains(fsUnderline)) << "unknown tags are ignored";
}

TEST_F(TsHtmlTest, AParagraphBreaksTheLineLikeBr) {
    const TRect used = Layout("a<P ALIGN=CENTER>b");
    EXPECT_EQ(used.Bottom, 2 * LetterHeight() + 2);
}

TEST_F(TsHtmlTest, ALayoutStartedElsewhereReportsAbsolutePenCoordinates) {
    const TRect used = Layout("word", {10, 5});
    const int width = Expected.Canvas()->TextWidth("word");
    EXPECT_EQ(used, (TRect{0, 0, 10 + width, 5 + LetterHeight()}));
}

TEST_F(TsHtmlTest, AFaceNamesTheFontBetweenQuotesAndAnEmptyOneChangesNothing) {
    Layout("<FONT FACE=\"Courier New\">x");
    EXPECT_EQ(Drawn.Canvas()->Font()->Name(), "COURIER NEW");
    Layout("<FONT FACE=\"\">x");
    EXPECT_EQ(Drawn.Canvas()->Font()->Name(), "Tahoma");
}

TEST_F(TsHtmlTest, AnEmptyTextTakesNoRoom) {
    EXPECT_EQ(Layout(""), (TRect{0, 0, 0, 0}));
    EXPECT_EQ(Layout("<B></B>"), (TRect{0, 0, 0, 0}));
}
