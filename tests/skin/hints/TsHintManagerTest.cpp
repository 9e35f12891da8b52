// The hint manager as a component: the pauses it sets, the predefinitions it applies when loaded
// (and shCustom keeping stored values), the window class it chooses by style, the show-hint
// handler's recorded position, and hints on hover through the framework.
#include "tests/framework/FormTestFixture.h"

#include "skin/hints/TsCustomHintWindow.h"
#include "skin/hints/TsHintManager.h"

#include "framework/THintWindow.h"
#include "framework/TSpeedButton.h"

namespace {
class TsHintManagerTest : public FormTest {
protected:
    void TearDown() override {
        Manager.reset();
        FormTest::TearDown();
    }
    void Load(TsHintsPredefinitions predefinition, const std::function<void(TsHintManager&)>& stored = {}) {
        Manager = std::make_unique<TsHintManager>(nullptr);
        Manager->BeginLoading();
        Manager->SetPredefinitions(predefinition);
        if (stored) stored(*Manager);
        Manager->EndLoading();
    }
    std::string MadeClass() {
        std::unique_ptr<THintWindow> w(Application->HintWindowClass()(Application));
        return w->ClassName();
    }
    std::unique_ptr<TsHintManager> Manager;
};
} // namespace

TEST_F(TsHintManagerTest, CreationSetsTheHintPausesAndLoadingTheHidePause) {
    Application->SetHintHidePause(1234);
    Manager = std::make_unique<TsHintManager>(nullptr);
    EXPECT_EQ(Application->HintPause(), 500);
    EXPECT_EQ(Application->HintShortPause(), 200);
    EXPECT_EQ(Application->HintHidePause(), 1234) << "set by loading, not by creation";
    Manager.reset();
    Load(shEllipse, [](TsHintManager& m) { m.SetPauseHide(3000); });
    EXPECT_EQ(Application->HintHidePause(), 3000);
    Manager->SetPauseHide(7000);
    EXPECT_EQ(Application->HintHidePause(), 7000);
    EXPECT_EQ(Manager->SkinSection(), "HINT");
    Manager->SetSkinSection("");
    EXPECT_EQ(Manager->SkinSection(), "HINT");
}

TEST_F(TsHintManagerTest, TheEllipsePredefinitionIsAppliedWhenLoaded) {
    Load(shEllipse, [](TsHintManager& m) {
        m.HintKind()->SetStyle(hsSimply);
        m.HintKind()->SetColor(clRed);
        m.HintKind()->SetShadowEnabled(false);
    });
    const TsHintKind& k = *Manager->HintKind();
    EXPECT_EQ(k.Style(), hsEllipse);
    EXPECT_EQ(k.Color(), static_cast<TColor>(0xC2FCFC));
    EXPECT_EQ(k.ColorBorderTop(), static_cast<TColor>(0x008080));
    EXPECT_EQ(k.ColorBorderBottom(), clBlack);
    EXPECT_EQ(k.Transparency(), 5);
    EXPECT_EQ(k.ExOffset(), 16);
    EXPECT_EQ(k.MarginH(), 6);
    EXPECT_EQ(k.MarginV(), 12);
    EXPECT_EQ(k.MaxWidth(), 240);
    EXPECT_EQ(k.GradientPercent(), 100);
    EXPECT_EQ(k.GradientData(), "7728127;16777215;99;0;0;16777215;16777215;0;0;0");
    EXPECT_EQ(k.ShadowBlur(), 4);
    EXPECT_EQ(k.ShadowOffset(), 16);
    EXPECT_EQ(k.ShadowTransparency(), 75);
    EXPECT_TRUE(k.ShadowEnabled());
    EXPECT_EQ(k.Font()->Color(), clBlack);
    EXPECT_EQ(k.Font()->Name(), Screen->HintFont()->Name());
    EXPECT_EQ(k.Radius(), 20) << "not part of the ellipse predefinition";
    EXPECT_EQ(MadeClass(), "TsEllipseHintWindow");
    EXPECT_EQ(TsHintManager::ActiveManager(), Manager.get());
}

TEST_F(TsHintManagerTest, CustomKeepsTheStoredKindAndSettingPredefinitionsOnlyStoresIt) {
    Load(shCustom, [](TsHintManager& m) {
        m.HintKind()->SetStyle(hsComics);
        m.HintKind()->SetColor(clRed);
        m.HintKind()->SetRadius(3);
        m.HintKind()->SetShadowEnabled(false);
    });
    const TsHintKind& k = *Manager->HintKind();
    EXPECT_EQ(k.Style(), hsComics);
    EXPECT_EQ(k.Color(), clRed);
    EXPECT_EQ(k.Radius(), 3);
    EXPECT_FALSE(k.ShadowEnabled());
    EXPECT_EQ(MadeClass(), "TsComicsHintWindow");
    Manager->SetPredefinitions(shBalloon);
    EXPECT_EQ(k.Style(), hsComics);
    Manager->SetUseSkinData(false);
    EXPECT_EQ(k.Style(), hsBalloon) << "switching the skin look off applies the predefinition";
}

TEST_F(TsHintManagerTest, TheStyleChoosesTheWindowClassAndTheActiveManager) {
    Load(shStandard);
    EXPECT_EQ(MadeClass(), "THintWindow");
    EXPECT_EQ(TsHintManager::ActiveManager(), nullptr);
    Manager->HintKind()->SetStyle(hsBalloon);
    EXPECT_EQ(MadeClass(), "TsBalloonHintWindow");
    EXPECT_EQ(TsHintManager::ActiveManager(), Manager.get());
    Manager->HintKind()->SetStyle(hsNone);
    EXPECT_EQ(MadeClass(), "TsSimplyHintWindow");
    EXPECT_EQ(TsHintManager::ActiveManager(), nullptr);
    Manager.reset();
    EXPECT_EQ(MadeClass(), "THintWindow") << "a freed manager leaves the plain hints";
}

TEST_F(TsHintManagerTest, HoveringShowsTheDrawnHintAtTheFrameworksPositionAndNoneWithNone) {
    Load(shEllipse);
    auto form = ShownForm(100, 100, 400, 200);
    auto* button = new TSpeedButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 80, 30);
    button->SetHint("Сложность игры (1-10)");
    button->SetShowHint(true);
    TPoint recorded{-1, -1};
    Manager->OnShowHint = [&](std::string&, bool&, THintInfo& info) { recorded = info.HintPos; };
    const TPoint p = At(*button, 20, 15);
    MoveTo(p.X, p.Y);
    Advance(510);
    auto* w = dynamic_cast<TsCustomHintWindow*>(Application->HintWindow());
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Active());
    EXPECT_EQ(w->Caption(), "Сложность игры (1-10)");
    EXPECT_EQ(w->BoundsRect().TopLeft(), recorded) << "the hint's corner lies at the framework's position";
    EXPECT_FALSE(TsHintManager::RecordedPos().has_value()) << "forgotten after showing";
    MoveTo(p.X + 200, p.Y + 100);
    EXPECT_EQ(Application->HintWindow(), nullptr) << "the window goes with its hint";

    Manager->HintKind()->SetStyle(hsNone);
    MoveTo(p.X, p.Y);
    Advance(510);
    EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->Active());
}

TEST_F(TsHintManagerTest, AnEventThatMovesBothCoordinatesMovesTheHint) {
    Load(shComicsGradient);
    auto form = ShownForm(100, 100, 400, 200);
    form->SetHint("form hint");
    form->SetShowHint(true);
    Manager->OnShowHint = [](std::string&, bool&, THintInfo& info) { info.HintPos = {300, 330}; };
    MoveTo(150, 200);
    Advance(510);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->BoundsRect().TopLeft(), (TPoint{300, 330}));
    Application->CancelHint();
    Manager->OnShowHint = [](std::string&, bool&, THintInfo& info) { info.HintPos.X = 300; };
    MoveTo(152, 200);
    MoveTo(700, 700);
    MoveTo(150, 201);
    Advance(510);
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_NE(Application->HintWindow()->Left(), 300) << "one coordinate alone does not move it";
}
