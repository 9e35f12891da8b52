// Check boxes, radio buttons and group boxes: the checked state in the platform button and
// back, OnClick raised exactly when the state changes (by the user or by program), the grayed
// cycle, radio groups by parent with their tab stop and arrow keys, and the group box's frame.
#include "FormTestFixture.h"

#include "framework/TCheckBox.h"
#include "framework/TGroupBox.h"
#include "framework/TPanel.h"
#include "framework/TRadioButton.h"

#include "platform/controls/ButtonCodes.h"

namespace {
class CheckBoxTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 320, 240);
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    template <class T>
    T* Make(TWinControl* parent, int top, const std::string& name) {
        auto* c = new T(Form.get());
        c->SetParent(parent);
        c->SetBounds(10, top, 120, 17);
        c->SetCaption(name);
        c->OnClick = [this, name](TObject*) { Clicks.push_back(name); };
        return c;
    }
    void ClickOn(TControl* control) {
        TPoint p = At(*control, 6, 8);
        ClickAt(p.X, p.Y);
        Advance(600);
    }
    static LRESULT Check(TWinControl* c) { return SendMessage(c->Handle(), BM_GETCHECK, 0, 0); }

    std::unique_ptr<TForm> Form;
    std::vector<std::string> Clicks;
};
}

TEST_F(CheckBoxTest, CheckedGoesToThePlatformAndAClickComesBackWithOneOnClick) {
    auto* box = Make<TCheckBox>(Form.get(), 10, "box");
    Pump();
    EXPECT_EQ(GetClassName(box->Handle()), "Button");
    box->SetChecked(true);
    EXPECT_EQ(Check(box), BST_CHECKED);
    box->SetChecked(true);
    EXPECT_EQ(Clicks.size(), 1u) << "the same state again raises nothing";
    ClickOn(box);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(Check(box), BST_UNCHECKED);
    Tap(VK_SPACE);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(Check(box), BST_CHECKED);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"box", "box", "box"}));
}

TEST_F(CheckBoxTest, AStateSetBeforeTheWindowRaisesOnClickAndReachesTheWindowWhenMade) {
    auto* box = new TCheckBox(Form.get());
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetState(cbGrayed);
    EXPECT_EQ(clicks, 1) << "a change by program raises OnClick also without a window";
    box->SetParent(Form.get());
    EXPECT_EQ(Check(box), BST_INDETERMINATE);
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxTest, ClicksCycleThroughGrayedOnlyWhenAllowed) {
    auto* box = Make<TCheckBox>(Form.get(), 10, "box");
    box->SetAllowGrayed(true);
    std::vector<TCheckBoxState> states;
    box->OnClick = [&](TObject*) { states.push_back(box->State()); };
    for (int i = 0; i < 3; ++i) ClickOn(box);
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    box->SetAllowGrayed(false);
    ClickOn(box);
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(CheckBoxTest, AlignmentPutsTheCaptionLeftAndANewWindowKeepsTheState) {
    auto* box = Make<TCheckBox>(Form.get(), 10, "box");
    box->SetChecked(true);
    HWND before = box->Handle();
    box->SetAlignment(taLeftJustify);
    EXPECT_NE(box->Handle(), before);
    EXPECT_TRUE(GetWindowLongPtr(box->Handle(), GWL_STYLE) & BS_LEFTTEXT);
    EXPECT_EQ(Check(box), BST_CHECKED);
    EXPECT_EQ(Clicks.size(), 1u) << "recreating the window is no change";
}

TEST_F(CheckBoxTest, RadioButtonsOfOneParentCheckOneAtATimeAndOnlyTheCheckedOneClicks) {
    auto* a = Make<TRadioButton>(Form.get(), 10, "a");
    auto* b = Make<TRadioButton>(Form.get(), 30, "b");
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(150, 10, 150, 60);
    auto* other = Make<TRadioButton>(panel, 10, "other");
    a->SetChecked(true);
    other->SetChecked(true);
    ClickOn(b);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(Check(a), BST_UNCHECKED);
    EXPECT_TRUE(other->Checked()) << "another parent is another group";
    EXPECT_EQ(Clicks, (std::vector<std::string>{"a", "other", "b"}));
    EXPECT_TRUE(b->TabStop());
    EXPECT_FALSE(a->TabStop()) << "only the checked button of a group is a tab stop";
    b->SetChecked(false);
    EXPECT_EQ(Clicks.size(), 3u) << "unchecking raises nothing";
}

TEST_F(CheckBoxTest, ArrowKeysMoveThroughARadioGroupCheckingWhatTheyReach) {
    auto* a = Make<TRadioButton>(Form.get(), 10, "a");
    auto* b = Make<TRadioButton>(Form.get(), 30, "b");
    Make<TRadioButton>(Form.get(), 50, "c");
    a->SetChecked(true);
    a->SetFocus();
    Pump();
    Tap(VK_DOWN);
    EXPECT_TRUE(b->Focused());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(Clicks, (std::vector<std::string>{"a", "b"}));
}

TEST_F(CheckBoxTest, AGroupBoxLaysItsChildrenOutInsideTheFrameBelowTheCaption) {
    auto* group = new TGroupBox(Form.get());
    group->SetParent(Form.get());
    group->SetBounds(10, 10, 200, 120);
    group->SetCaption("Group");
    auto* first = Make<TRadioButton>(group, 0, "first");
    first->SetAlign(alTop);
    Pump();
    const TRect inner = group->AlignRect();
    EXPECT_GT(inner.Top, 8) << "the caption's height is kept free";
    EXPECT_EQ(inner.Left, 2);
    EXPECT_EQ(first->Top(), inner.Top);
    EXPECT_EQ(first->Width(), inner.Width());
    ClickOn(first);
    EXPECT_TRUE(first->Checked()) << "the group box lets clicks through to its controls";
}
