// What a binding tells its children about the background behind them, and the colours an edit
// takes from the skin and gives back.
#include "skin/paint/ControlKinds.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/ParentQueries.h"
#include "tests/skin/paint/BindingTestKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "skin/data/SkinBroadcast.h"

namespace {

class BackgroundAnswers : public BindingTest {
protected:
    void SetUp() override {
        BindingTest::SetUp();
        SkinOn();
    }
    void TearDown() override {
        ResetParentColors();
        BindingTest::TearDown();
    }
    TTestContainer* Container(TWinControl* parent, const std::string& section) {
        auto* container = On<TTestContainer>(parent, ckPanel);
        container->SkinData()->SetSkinSection(section);
        container->SetBounds(5, 5, 100, 80);
        return container;
    }
    TColor BackgroundOf(TWinControl& control) {
        GetParentBackgroundColor(control);
        return ParentFillColor;
    }
};

// Per channel (p * a + c * (255 - a) + 127) div 256 with a = T * 255 div 100.
TColor SeeThrough(TColor parent, TColor colour, int transparency) {
    const int a = transparency * 255 / 100;
    return PerChannel(parent, colour, [a](int p, int c) { return (p * a + c * (255 - a) + 127) / 256; });
}

} // namespace

TEST_F(BackgroundAnswers, AFullySeeThroughParentAnswersWithTheColourBehindIt) {
    TTestContainer* clear = Container(Form, "CLEAR");
    EXPECT_EQ(BackgroundOf(*clear), RGB(90, 60, 30)) << "the form's colour";
    TTestContainer* inner = Container(clear, "CLEAR");
    EXPECT_EQ(BackgroundOf(*inner), RGB(90, 60, 30)) << "through two of them";

    TTestContainer* half = Container(Form, "HALF");
    EXPECT_EQ(BackgroundOf(*half), SeeThrough(RGB(90, 60, 30), TestSkin::Half, TestSkin::HalfTransparency));
    TTestContainer* halfOnPanel = Container(Container(Form, "PANEL"), "HALF");
    EXPECT_EQ(BackgroundOf(*halfOnPanel), SeeThrough(TestSkin::Panel, TestSkin::Half, TestSkin::HalfTransparency));
}

TEST_F(BackgroundAnswers, AnOpaqueSectionAnswersItsColourOrWithCustomColourTheControlsOwn) {
    TTestContainer* panel = Container(Form, "PANEL");
    EXPECT_EQ(BackgroundOf(*panel), TestSkin::Panel);
    panel->SetColor(clLime);
    panel->SkinData()->SetCustomColor(true);
    EXPECT_EQ(BackgroundOf(*panel), ColorToRGB(clLime));

    TTestContainer* unknown = Container(Form, "NO-SUCH-SECTION");
    unknown->SetColor(clTeal);
    EXPECT_EQ(BackgroundOf(*unknown), ColorToRGB(clTeal)) << "an unskinned binding answers its Color";
}

TEST_F(BackgroundAnswers, AGradientParentIsNotUniformSoSeeThroughChildrenCopyItsImage) {
    TTestContainer* gradient = Container(Form, "GRAD");
    TTestContainer* panel = Container(Form, "PANEL");
    auto notUniform = [](TControl* control) { return SkinCommandToControl(control, scUniformBackground, 0) != 0; };
    EXPECT_TRUE(notUniform(gradient));
    EXPECT_FALSE(notUniform(panel));
    EXPECT_TRUE(notUniform(Container(gradient, "CLEAR"))) << "a clear section answers as its parent";
    EXPECT_FALSE(notUniform(Container(panel, "CLEAR")));

    auto* onGradient = On<TTestGraphic>(gradient, 0);
    auto* onPanel = On<TTestGraphic>(panel, 0);
    for (TTestGraphic* child : {onGradient, onPanel}) {
        child->SkinData()->SetSkinSection("HALF");
        child->SetBounds(2, 2, 10, 10);
    }
    EXPECT_TRUE(onGradient->SkinData()->DependsOnParentImage());
    EXPECT_FALSE(onPanel->SkinData()->DependsOnParentImage());
}

TEST_F(BackgroundAnswers, RemovingTheSkinGivesAnEditTheWindowColoursUnlessItKeepsItsOwn) {
    auto* plain = On<TTestEdit>(Form);
    auto* custom = On<TTestEdit>(Form);
    custom->SetColor(clAqua);
    custom->Font()->SetColor(clMaroon);
    custom->SkinData()->SetCustomColor(true);
    custom->SkinData()->SetCustomFont(true);
    Manager->BroadcastRefresh();
    EXPECT_EQ(plain->Color(), TestSkin::Edit);
    EXPECT_EQ(plain->Font()->Color(), TestSkin::EditFont);
    EXPECT_EQ(custom->Color(), clAqua);

    SkinOff();
    EXPECT_EQ(plain->Color(), clWindow);
    EXPECT_EQ(plain->Font()->Color(), clWindowText);
    EXPECT_EQ(custom->Color(), clAqua);
    EXPECT_EQ(custom->Font()->Color(), clMaroon);
}

TEST_F(BackgroundAnswers, AnEditGivingUpItsCustomColourTakesTheSectionsColoursAgain) {
    auto* edit = On<TTestEdit>(Form);
    edit->SkinData()->SetCustomColor(true);
    edit->SetColor(clAqua);
    edit->SkinData()->SetCustomColor(false);
    EXPECT_EQ(edit->Color(), TestSkin::Edit);
    EXPECT_EQ(edit->Font()->Color(), TestSkin::EditFont);
}
