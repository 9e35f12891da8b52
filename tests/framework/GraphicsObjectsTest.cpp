// Fonts, pens and brushes: defaults, the platform font behind a TFont, one OnChange per change.
#include "framework/TBrush.h"
#include "framework/TFont.h"
#include "framework/TPen.h"

#include "platform/text/TextDraw.h"

#include <gtest/gtest.h>

TEST(TFontTest, DefaultIsTheGuiFont) {
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_TRUE(font.Style().Empty());
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
}

TEST(TFontTest, HandleFollowsSizeStyleNameAndCharset) {
    TFont font;
    const Font* small = font.Handle();
    font.SetSize(20);
    EXPECT_EQ(font.Height(), -27);
    EXPECT_EQ(font.Size(), 20);
    const Font* big = font.Handle();
    EXPECT_NE(big, small);
    EXPECT_EQ(big->LogFont().Height, -27);
    EXPECT_GT(GetTextExtent(big, "12345").cx, GetTextExtent(small, "12345").cx);

    font.SetStyle({fsBold, fsUnderline});
    EXPECT_EQ(font.Handle()->LogFont().Weight, FW_BOLD);
    EXPECT_TRUE(font.Handle()->LogFont().Underline);
    EXPECT_FALSE(font.Handle()->LogFont().Italic);
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsUnderline}));

    font.SetName("Times New Roman");
    font.SetCharset(RUSSIAN_CHARSET);
    const TLogFont& asked = font.Handle()->LogFont();
    EXPECT_EQ(asked.FaceName, "Times New Roman");
    EXPECT_EQ(asked.CharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(font.Handle(), Font::Get(font.LogFont())) << "the same description gives the same font";

    font.SetHeight(-11);
    EXPECT_EQ(font.Size(), 8);

    font.SetOrientation(-900);
    EXPECT_EQ(font.Handle()->LogFont().Escapement, -900);
    EXPECT_EQ(font.Handle()->LogFont().Orientation, -900);
    EXPECT_EQ(font.Orientation(), -900);
    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.Handle(), font.Handle()) << "the turn goes with an assignment";
}

TEST(TFontTest, OnChangeFiresOncePerRealChange) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++changes;
    };
    font.SetSize(20);
    font.SetSize(20);
    EXPECT_EQ(changes, 1);
    font.SetHeight(-27); // the same value seen the other way
    EXPECT_EQ(changes, 1);
    font.SetStyle({fsBold});
    font.SetStyle({fsBold});
    font.SetColor(clRed);
    font.SetName("Tahoma");
    font.SetPitch(fpFixed);
    EXPECT_EQ(changes, 5);

    TFont other;
    other.SetSize(12);
    other.SetColor(clBlue);
    font.Assign(&other);
    EXPECT_EQ(changes, 6) << "an assignment changing several values is one change";
    font.Assign(&other);
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(font.Color(), clBlue);
    EXPECT_EQ(font.Name(), "MS Sans Serif");
}

TEST(TPenBrushTest, ChangesAreAnnouncedAndAColourMakesABrushSolid) {
    TPen pen;
    TBrush brush;
    int changes = 0;
    pen.OnChange = brush.OnChange = [&](TObject*) { ++changes; };
    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1) << "a pen is at least one pixel wide";
    pen.SetStyle(psDot);
    pen.SetColor(clRed);
    EXPECT_EQ(changes, 2);

    brush.SetStyle(bsClear);
    brush.SetColor(clWhite); // the colour it had, but the brush must fill again
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_EQ(changes, 4);

    TPen copy;
    copy.Assign(&pen);
    EXPECT_EQ(copy.Style(), psDot);
    EXPECT_EQ(copy.Color(), clRed);
}
