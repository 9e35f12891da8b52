// The hint machinery on the virtual clock: the pause before a hint, the short pause from one
// hint to the next, hiding on leaving, clicking and after the hide pause, and a replaced window
// class.
#include "FormTestFixture.h"

#include "framework/THintWindow.h"
#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"

namespace {
class HintTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(100, 100, 400, 200);
        First = Button(10, "First hint");
        Second = Button(100, "Second hint");
        Plain = Button(200, "");
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    TSpeedButton* Button(int left, const std::string& hint) {
        auto* b = new TSpeedButton(Form.get());
        b->SetParent(Form.get());
        b->SetBounds(left, 10, 60, 30);
        b->SetHint(hint);
        b->SetShowHint(true);
        return b;
    }
    void Over(TControl* c) {
        TPoint p = At(*c, 20, 15);
        MoveTo(p.X, p.Y);
    }
    bool HintShown() const { return Application->HintWindow() && Application->HintWindow()->Active(); }
    std::string HintText() const { return HintShown() ? Application->HintWindow()->Caption() : std::string(); }

    std::unique_ptr<TForm> Form;
    TSpeedButton* First = nullptr;
    TSpeedButton* Second = nullptr;
    TSpeedButton* Plain = nullptr;
};
}

TEST_F(HintTest, AHintAppearsBelowThePointerAfterTheHintPauseAndMovesOnAfterTheShortPause) {
    Over(First);
    Advance(490);
    EXPECT_FALSE(HintShown());
    Advance(20);
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(HintText(), "First hint");
    TPoint cursor = At(*First, 20, 15);
    EXPECT_EQ(Application->HintWindow()->Left(), cursor.X);
    EXPECT_GT(Application->HintWindow()->Top(), cursor.Y);
    EXPECT_LT(Application->HintWindow()->Width(), 150) << "a short hint is as wide as its text";
    EXPECT_EQ(GetActiveWindow(), Form->Handle()) << "a hint never takes the activation";

    Over(Second);
    EXPECT_FALSE(HintShown()) << "the old hint goes at once";
    Advance(60);
    EXPECT_EQ(HintText(), "Second hint");
}

TEST_F(HintTest, AHintHidesOnLeavingOnAClickOnAKeyAndAfterTheHidePause) {
    Over(First);
    Advance(510);
    ASSERT_TRUE(HintShown());
    Over(Plain);
    EXPECT_FALSE(HintShown());
    Advance(1000);
    EXPECT_FALSE(HintShown()) << "a control without a hint shows none";

    Over(Second);
    Advance(510);
    ASSERT_TRUE(HintShown());
    TPoint p = At(*Second, 20, 15);
    Press(p.X, p.Y, true);
    EXPECT_FALSE(HintShown());
    Press(p.X, p.Y, false);

    Over(First);
    Advance(510);
    ASSERT_TRUE(HintShown());
    Tap(VK_SHIFT);
    EXPECT_FALSE(HintShown()) << "a key hides the hint";

    Over(Second);
    Over(First);
    Advance(510);
    ASSERT_TRUE(HintShown());
    Advance(2480); // shown at +500, so up until +3000
    EXPECT_TRUE(HintShown());
    Advance(30);
    EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, ShowHintEventAndParentShowHintDecideWhatIsShown) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(10, 60, 200, 100);
    panel->SetHint("Panel hint");
    panel->SetShowHint(true);
    auto* inner = new TSpeedButton(Form.get());
    inner->SetParent(panel); // no hint of its own: the parent's shows; ShowHint comes from it
    inner->SetBounds(10, 10, 40, 30);
    EXPECT_TRUE(inner->ShowHint());
    Application->OnShowHint = [](std::string& hint, bool&, THintInfo& info) {
        hint = "[" + hint + "]";
        info.HintPos.X += 7;
    };
    Over(inner);
    Advance(510);
    EXPECT_EQ(HintText(), "[Panel hint]");
    EXPECT_EQ(Application->HintWindow()->Left(), At(*inner, 20, 15).X + 7);
    Application->OnShowHint = [](std::string&, bool& canShow, THintInfo&) { canShow = false; };
    Over(First);
    Advance(1000);
    EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, AReplacedHintWindowClassMakesTheHintWindow) {
    struct TMyHint : THintWindow {
        using THintWindow::THintWindow;
        std::string ClassName() const override { return "TMyHint"; }
        TRect CalcHintRect(int, const std::string&, void*) override { return {0, 0, 77, 33}; }
    };
    Application->SetHintWindowClass([](TComponent* owner) { return new TMyHint(owner); });
    Over(First);
    Advance(510);
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(Application->HintWindow()->ClassName(), "TMyHint");
    EXPECT_EQ(Application->HintWindow()->Width(), 77);
    EXPECT_EQ(GetClassName(Application->HintWindow()->Handle()), "TMyHint");
    EXPECT_TRUE(GetClassStyle(Application->HintWindow()->Handle()) & CS_DROPSHADOW);
}

namespace {

// A control whose two halves carry hints of their own, as a tab row's tabs do.
class THalvesPanel : public TPanel {
public:
    using TPanel::TPanel;
    bool OffersHint() const override { return true; }
    int Asked = 0;

protected:
    void CMHintShow(TMessage& message) override {
        auto* info = reinterpret_cast<THintInfo*>(message.LParam);
        ++Asked;
        const bool left = info->CursorPos.X < Width() / 2;
        info->HintStr = left ? "Left half" : "Right half";
        info->CursorRect = left ? TRect{0, 0, Width() / 2, Height()} : TRect{Width() / 2, 0, Width(), Height()};
        message.Result = 0;
    }
};

TEST_F(HintTest, AControlNamesTheHintOfThePartUnderThePointerAndLeavingThePartAsksAgain) {
    auto* halves = new THalvesPanel(Form.get());
    halves->SetParent(Form.get());
    halves->SetBounds(10, 100, 200, 40);
    halves->SetShowHint(true);
    TPoint p = At(*halves, 20, 20);
    MoveTo(p.X, p.Y);
    Advance(510);
    EXPECT_EQ(HintText(), "Left half") << "no Hint of its own, yet it offers one";
    p = At(*halves, 90, 20);
    MoveTo(p.X, p.Y);
    EXPECT_EQ(HintText(), "Left half") << "still inside the part the hint is for";
    EXPECT_EQ(halves->Asked, 1);
    p = At(*halves, 110, 20);
    MoveTo(p.X, p.Y);
    EXPECT_FALSE(HintShown());
    Advance(60);
    EXPECT_EQ(HintText(), "Right half") << "the next part's hint follows after the short pause";
    EXPECT_EQ(halves->Asked, 2);
}

} // namespace
