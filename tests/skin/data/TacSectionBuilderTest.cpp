// Section values: defaults, PARENTCLASS inheritance and loops, GLOBALINFO and common sections.
#include "skin/data/TacSectionBuilder.h"

#include <gtest/gtest.h>

namespace {

struct TSections {
    explicit TSections(const std::string& text) : Options(text), Builder(Options, Model, &Problems) {
        Builder.ReadSkinData();
        Builder.BuildSections();
    }
    const TsGeneralData& Section(const std::string& name) const {
        return Model.GeneralData.at(static_cast<std::size_t>(Model.SectionIndex(name)));
    }

    TacSkinOptions Options;
    TsSkinModel Model;
    std::vector<std::string> Problems;
    TacSectionBuilder Builder;
};

} // namespace

TEST(TacSectionBuilder, DefaultsForASectionThatGivesNothing) {
    TSections s("[EMPTY]\n");
    const TsGeneralData& d = s.Section("EMPTY");
    EXPECT_EQ(d.Color, 0xFFFFFF);
    EXPECT_EQ(d.HotColor, 0xFFFFFF);
    EXPECT_EQ(d.ShadowBlur, 6);
    EXPECT_EQ(d.ShadowOffset, 3);
    EXPECT_EQ(d.ShadowTransparency, 50);
    EXPECT_EQ(d.FadingIterations, 5);
    EXPECT_EQ(d.FontColor, (TsFontColors{0, -1, -1, -1, -1}));
    EXPECT_EQ(d.HotFontColor, (TsFontColors{0, -1, -1, -1, -1}));
    EXPECT_FALSE(d.FadingEnabled);
    EXPECT_TRUE(d.Gradient.empty());
    EXPECT_EQ(d.Bevel, cbNone);
}

TEST(TacSectionBuilder, ValuesComeThroughParentChains) {
    TSections s(
        "[SPEEDBUTTON]\nCOLOR=100\nTCLEFT=5419\nSHOWFOCUS=true\nSHADOWCOLOR=77\nGRADIENTDATA=1;2;3;1;0\nBEVEL=3\nHOTBEVEL=3\n"
        "[SPEEDBUTTON_SMALL]\nPARENTCLASS=SPEEDBUTTON\nCOLOR=200\nTCLEFT=-1\nSHOWFOCUS=?\nBEVEL=9\n"
        "[splitter]\nPARENTCLASS=speedbutton_small\nHOTCOLOR=$10\nTRANSPARENCY=abc\n");
    const TsGeneralData& small = s.Section("SPEEDBUTTON_SMALL");
    EXPECT_EQ(small.Color, 200);
    EXPECT_EQ(small.FontColor[1], 5419);
    EXPECT_TRUE(small.ShowFocus);
    EXPECT_EQ(small.ShadowColor, 0);
    EXPECT_EQ(small.ParentClass, "SPEEDBUTTON");
    EXPECT_EQ(small.Bevel, cbNone);
    const TsGeneralData& splitter = s.Section("splitter");
    EXPECT_EQ(splitter.Color, 200);
    EXPECT_EQ(splitter.HotColor, 16);
    EXPECT_EQ(splitter.FontColor[1], 5419);
    EXPECT_EQ(splitter.Transparency, 0);
    EXPECT_EQ(splitter.Bevel, cbNone);
    EXPECT_EQ(splitter.HotBevel, cbRaisedHard);
    ASSERT_EQ(splitter.Gradient.size(), 1u);
    EXPECT_EQ(splitter.GradientData, "1;2;3;1;0");
    EXPECT_EQ(splitter.ParentClass, "speedbutton_small");
}

TEST(TacSectionBuilder, SystemColourResolvedForColorOnly) {
    TSections s("[BUTTON]\nCOLOR=-16777201\nHOTCOLOR=-16777201\nFONTCOLOR=-16777201\n");
    EXPECT_EQ(s.Section("BUTTON").Color, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(s.Section("BUTTON").HotColor, -16777201);
    EXPECT_EQ(s.Section("BUTTON").FontColor[0], -16777201);
}

TEST(TacSectionBuilder, ParentLoopsEndAndAreReportedOnce) {
    TSections s("[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=a\nCOLOR=-1\n[C]\nPARENTCLASS=A\n[SELF]\nPARENTCLASS=self\nCOLOR=9\n"
                "[D]\nPARENTCLASS=NOWHERE\n");
    EXPECT_EQ(s.Section("A").Color, 0xFFFFFF);
    EXPECT_EQ(s.Section("C").ShadowBlur, 6);
    EXPECT_EQ(s.Section("SELF").Color, 9);
    EXPECT_EQ(s.Section("D").Color, 0xFFFFFF);
    std::vector<std::string> loops = TacSectionBuilder::ParentLoops(s.Options);
    ASSERT_EQ(loops.size(), 1u);
    EXPECT_EQ(loops[0], "A -> B -> A");
}

TEST(TacSectionBuilder, SameNameTwiceMakesTwoEntriesWithTheFirstValues) {
    TSections s("[BUTTON]\nCOLOR=1\n[Button]\nCOLOR=2\nHOTCOLOR=3\n");
    ASSERT_EQ(s.Model.GeneralData.size(), 2u);
    EXPECT_EQ(s.Model.GeneralData[1].SectionName, "Button");
    EXPECT_EQ(s.Model.GeneralData[1].Color, 1);
    EXPECT_EQ(s.Model.GeneralData[1].HotColor, 0xFFFFFF);
}

TEST(TacSectionBuilder, GlobalInfoSkinData) {
    TSections s("[GLOBALINFO]\nVERSION=5.41\nAUTHOR=Someone\nSHADOW1COLOR=255\nSHADOW1OFFSET=4\nBISPACE=2\n"
                "SHADOW1TRANSPARENCY=lots\nBORDERCOLOR=$00FF00\n");
    const TsSkinData& d = s.Model.SkinData;
    EXPECT_DOUBLE_EQ(d.Version, 5.41);
    EXPECT_EQ(d.Author, "Someone");
    EXPECT_EQ(d.Shadow1Color, 255);
    EXPECT_EQ(d.Shadow1Offset, 4);
    EXPECT_EQ(d.Shadow1Blur, -1);
    EXPECT_EQ(d.Shadow1Transparency, 0);
    EXPECT_EQ(d.BISpace, 2);
    EXPECT_EQ(d.BorderColor, 0x00FF00);
    ASSERT_EQ(s.Problems.size(), 1u);
    EXPECT_NE(s.Problems[0].find("SHADOW1TRANSPARENCY"), std::string::npos);
}

TEST(TacSectionBuilder, CommonSectionsOverrideAndAdd) {
    TSections s("[BUTTON]\nCOLOR=1\nHOTCOLOR=2\nSHOWFOCUS=TRUE\n[PANEL]\nCOLOR=5\n");
    TacSkinOptions common("[button]\nCOLOR=10\nHOTCOLOR=-1\n[MYBUTTON]\nPARENTCLASS=button\nFONTCOLOR=7\n[NEW]\nBEVEL=2\n");
    s.Builder.MergeCommonSections(common);
    ASSERT_EQ(s.Model.GeneralData.size(), 4u);
    const TsGeneralData& button = s.Model.GeneralData[0];
    EXPECT_EQ(button.Color, 10);
    EXPECT_EQ(button.HotColor, 2);
    EXPECT_EQ(button.SectionName, "button");
    const TsGeneralData& mine = s.Section("MYBUTTON");
    EXPECT_EQ(mine.Color, 10);
    EXPECT_TRUE(mine.ShowFocus);
    EXPECT_EQ(mine.FontColor[0], 7);
    EXPECT_EQ(mine.ParentClass, "button");
    EXPECT_EQ(s.Section("NEW").Bevel, cbLoweredSoft);
    EXPECT_EQ(s.Section("NEW").Color, 0xFFFFFF);
}
