// Image value forms: fields, computed frame widths and values that make no entry.
#include "skin/data/TacImageValue.h"

#include <gtest/gtest.h>

namespace {

void ExpectWidths(const TsMaskData& m, int wl, int wt, int wr, int wb) {
    EXPECT_EQ(m.WL, wl);
    EXPECT_EQ(m.WT, wt);
    EXPECT_EQ(m.WR, wr);
    EXPECT_EQ(m.WB, wb);
}

} // namespace

TEST(TacImageValue, BordersMaskReadsFixedPositions) {
    TacImageValue v = ParseImageValue("Button", "BordersMask", "^0270^0021^0297^0039^0000^0000^0000^0000^3^1^5^0");
    ASSERT_TRUE(v.Usable()) << v.Error;
    EXPECT_EQ(v.Form, ifBorders);
    EXPECT_EQ(v.Mask.R, (TRect{270, 21, 297, 39}));
    EXPECT_EQ(v.Mask.ImageCount, 3);
    EXPECT_EQ(v.Mask.MaskType, 1);
    EXPECT_EQ(v.Mask.DrawMode, 5);
    EXPECT_EQ(v.Mask.BorderWidth, 0);
    EXPECT_EQ(v.Mask.ImgType, itisaBorder);
    ExpectWidths(v.Mask, 3, 3, 3, 3);
    // Names of the fixed-width forms stay as written.
    EXPECT_EQ(v.Mask.SectionName, "Button");
    EXPECT_EQ(v.Mask.PropertyName, "BordersMask");

    ExpectWidths(ParseImageValue("A", "B", "^0000^0102^0090^0147^0000^0000^0000^0000^2^0^1^5").Mask, 5, 5, 5, 5);
    ExpectWidths(ParseImageValue("A", "B", "^0162^0132^0189^0180^0009^0008^0009^0008^1^1^0^1").Mask, 9, 8, 9, 8);
}

TEST(TacImageValue, GlyphAndTextureForms) {
    TacImageValue glyph = ParseImageValue("A", "GLYPHMASK", "@0147@0154@0195@0190@3@1");
    ASSERT_TRUE(glyph.Usable());
    EXPECT_EQ(glyph.Mask.R.Size(), (TSize{48, 36}));
    EXPECT_EQ(glyph.Mask.ImageCount, 3);
    EXPECT_EQ(glyph.Mask.ImgType, itisaGlyph);
    EXPECT_EQ(glyph.Mask.MaskCellSize(), (TSize{16, 18}));
    ExpectWidths(glyph.Mask, 0, 0, 0, 0);

    TacImageValue shortTexture = ParseImageValue("A", "PATTERN", "~0514~0084~0653~0207~00");
    ASSERT_TRUE(shortTexture.Usable());
    EXPECT_EQ(shortTexture.Mask.MaskType, 0);
    EXPECT_EQ(shortTexture.Mask.DrawMode, 0);
    EXPECT_EQ(shortTexture.Mask.ImageCount, 1);
    EXPECT_EQ(shortTexture.Mask.ImgType, itisaTexture);
    TacImageValue texture = ParseImageValue("A", "PATTERN", "~0298~0049~0304~0062~10~1");
    EXPECT_EQ(texture.Mask.DrawMode, 10);
    EXPECT_EQ(texture.Mask.MaskType, 1);
}

TEST(TacImageValue, SeparateBitmapForm) {
    TacImageValue v = ParseImageValue("A", "HOTPATTERN", "!BUTTONHUGE.BMP!3!1!0");
    ASSERT_TRUE(v.Usable()) << v.Error;
    EXPECT_EQ(v.Form, ifSeparate);
    EXPECT_EQ(v.FileName, "BUTTONHUGE.BMP");
    EXPECT_EQ(v.Mask.DrawMode, 4);
    FitImageToBitmap(v, 90, 60);
    EXPECT_EQ(v.Mask.R, (TRect{0, 0, 90, 60}));
    ExpectWidths(v.Mask, 10, 10, 10, 10);

    TacImageValue explicitWidths = ParseImageValue("A", "B", "!!BUTTONHUGE.BMP!!3!1!2!0032!0031!0030!0029");
    ASSERT_TRUE(explicitWidths.Usable()) << explicitWidths.Error;
    EXPECT_EQ(explicitWidths.Mask.ImgType, itisaGlyph);
    FitImageToBitmap(explicitWidths, 90, 60);
    ExpectWidths(explicitWidths.Mask, 32, 31, 30, 29);

    EXPECT_FALSE(ParseImageValue("A", "B", "!ButtonHuge.bmp!3!1!0").Usable());
    EXPECT_FALSE(ParseImageValue("A", "B", "!BUTTONHUGE.BMP!3!1!7").Usable());
    EXPECT_FALSE(ParseImageValue("A", "B", "!BUTTONHUGE.BMP!3").Usable());
}

TEST(TacImageValue, PlainFileAndLegacyForms) {
    TacImageValue plain = ParseImageValue("Panel", "BordersMask", "Frame.bmp");
    ASSERT_TRUE(plain.Usable());
    EXPECT_EQ(plain.Form, ifPlainFile);
    EXPECT_EQ(plain.FileName, "FRAME.BMP");
    EXPECT_EQ(plain.Mask.SectionName, "PANEL");
    EXPECT_EQ(plain.Mask.PropertyName, "BORDERSMASK");
    FitImageToBitmap(plain, 90, 60);
    EXPECT_EQ(plain.Mask.ImageCount, 3);
    EXPECT_EQ(plain.Mask.MaskType, 1);
    ExpectWidths(plain.Mask, 10, 10, 10, 10);

    TacImageValue legacy = ParseImageValue("Edit", "BordersMask", "#MASTER (10,20,40,50)  (3,1)");
    ASSERT_TRUE(legacy.Usable()) << legacy.Error;
    EXPECT_EQ(legacy.Form, ifLegacy);
    EXPECT_EQ(legacy.Mask.R, (TRect{10, 20, 40, 50}));
    EXPECT_EQ(legacy.Mask.DrawMode, 1);
    EXPECT_EQ(legacy.Mask.ImgType, itisaBorder);
    EXPECT_EQ(legacy.Mask.SectionName, "EDIT");
    ExpectWidths(legacy.Mask, 3, 5, 3, 5);
    TacImageValue pattern = ParseImageValue("Edit", "Pattern", "#M (0,0,8,8) (0,-2,4,9)");
    ASSERT_TRUE(pattern.Usable()) << pattern.Error;
    EXPECT_EQ(pattern.Mask.ImgType, itisaTexture);
    EXPECT_EQ(pattern.Mask.DrawMode, 0);
    EXPECT_EQ(pattern.Mask.ImageCount, 1);
    EXPECT_EQ(pattern.Mask.MaskType, 0);
    ExpectWidths(pattern.Mask, 4, 4, 4, 4);
    EXPECT_FALSE(ParseImageValue("A", "B", "#M (0,0,8) (1,0)").Usable());
}

TEST(TacImageValue, OtherValuesAndMalformedOnes) {
    for (const char* value : {"13495541", "TRUE", "N/A", "BG.JPG", "#", "", "MASTER.JPEG"}) {
        EXPECT_EQ(ParseImageValue("A", "B", value).Form, ifNone) << value;
    }
    for (const char* value : {"^0270^0021", "^02x0^0021^0297^0039^0000^0000^0000^0000^3^1^5^0",
                              "@0147@0154@0195@0190@3", "~0514~0084~0653~0207~0"}) {
        TacImageValue v = ParseImageValue("A", "B", value);
        EXPECT_NE(v.Form, ifNone) << value;
        EXPECT_FALSE(v.Usable()) << value;
    }
}

TEST(TacImageValue, RectanglesThatShowNothingStillMakeEntries) {
    struct TCase {
        const char* Value;
        const char* Flaw;
    } cases[] = {
        {"^0297^0021^0270^0039^0000^0000^0000^0000^3^1^5^0", "empty or inverted"},
        {"@0147@0154@0147@0190@3@1", "empty or inverted"},
        {"~0514~0207~0653~0084~00", "empty or inverted"},
        {"#M (40,20,10,50) (3,1)", "empty or inverted"},
        {"@-001@0154@0195@0190@3@1", "left of or above"},
    };
    for (const TCase& c : cases) {
        TacImageValue v = ParseImageValue("A", "B", c.Value);
        EXPECT_TRUE(v.Usable()) << c.Value << ": " << v.Error;
        EXPECT_NE(v.Flaw.find(c.Flaw), std::string::npos) << c.Value << ": " << v.Flaw;
    }
    EXPECT_TRUE(ParseImageValue("A", "B", "@0147@0154@0195@0190@3@1").Flaw.empty());
}

TEST(TsMaskData, FrameWidthFallbacksAndZeroStates) {
    TsMaskData m;
    m.R = {0, 0, 30, 24};
    m.ImageCount = 0;
    m.MaskType = 1;
    EXPECT_EQ(m.BorderLeft(), 10);
    EXPECT_EQ(m.ImageCount, 1);
    EXPECT_EQ(m.BorderTop(), 4);
    m.BorderWidth = 2;
    m.WR = 7;
    EXPECT_EQ(m.BorderLeft(), 2);
    EXPECT_EQ(m.BorderRight(), 7);
    EXPECT_EQ(m.BorderBottom(), 2);
    m.Bmp = std::make_unique<Bitmap>(90, 40);
    EXPECT_EQ(m.MaskCellSize(), (TSize{30, 20}));
}
