// Push buttons on a shown form: clicks by mouse and keyboard raised once, the modal result given
// to the form, the default-button look following the focus, Enter and Esc as dialog keys, and
// bitmap buttons' kinds and owner-drawn faces.
#include "FormTestFixture.h"

#include "framework/TBitBtn.h"
#include "framework/TButton.h"
#include "framework/TEdit.h"
#include "framework/TPanel.h"

#include "platform/controls/ButtonCodes.h"

namespace {
class ButtonTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 320, 200);
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    template <class T = TButton>
    T* Make(TWinControl* parent, int left, int top, const std::string& caption) {
        auto* b = new T(Form.get());
        b->SetParent(parent);
        b->SetBounds(left, top, 75, 25);
        b->SetCaption(caption);
        b->OnClick = [this, b](TObject* sender) {
            EXPECT_EQ(sender, b);
            Clicks.push_back(b->Caption());
        };
        return b;
    }
    void ClickOn(TControl* control, int x = 30, int y = 12) {
        TPoint p = At(*control, x, y);
        ClickAt(p.X, p.Y);
        Advance(600); // the next press is no double click
    }
    bool LooksDefault(TButton* b) {
        return (GetWindowLongPtr(b->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
    TColor Pixel(const TControl& control, int x, int y) {
        Pump();
        Bitmap screen = CaptureScreen();
        DeviceContext dc(&screen);
        TPoint p = At(control, x, y);
        return dc.GetPixel(p.X, p.Y);
    }

    std::unique_ptr<TForm> Form;
    std::vector<std::string> Clicks;
};
}

TEST_F(ButtonTest, APlatformButtonClicksOncePerMouseClickOrSpaceAndNotWhenReleasedOutside) {
    TButton* b = Make(Form.get(), 20, 20, "Go");
    Pump();
    EXPECT_EQ(GetClassName(b->Handle()), "Button");
    EXPECT_EQ(GetWindowText(b->Handle()), "Go");
    ClickOn(b);
    EXPECT_EQ(Clicks, std::vector<std::string>{"Go"});
    EXPECT_TRUE(b->Focused()) << "a press focuses the button";

    TPoint in = At(*b, 30, 12), out = At(*b, 200, 12);
    MoveTo(in.X, in.Y);
    Press(in.X, in.Y, true);
    MoveTo(out.X, out.Y);
    Press(out.X, out.Y, false);
    EXPECT_EQ(Clicks.size(), 1u) << "released outside: no click";

    Tap(VK_SPACE);
    Tap(VK_RETURN);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"Go", "Go", "Go"})) << "space, and Enter on the focused button";
}

TEST_F(ButtonTest, AClickGivesTheParentFormItsModalResultAlsoFromInsideAPanel) {
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(10, 60, 200, 60);
    TButton* b = Make(panel, 10, 10, "Yes");
    b->SetModalResult(mrYes);
    ClickOn(b);
    EXPECT_EQ(Form->ModalResult(), mrYes);
    b->SetModalResult(mrNone);
    b->Click();
    EXPECT_EQ(Form->ModalResult(), mrNone) << "a button without a result takes the form's back";
    EXPECT_EQ(Clicks.size(), 2u);
}

TEST_F(ButtonTest, TheDefaultLookFollowsTheFocusAndEnterClicksTheActiveButton) {
    auto* edit = new TEdit(Form.get());
    edit->SetParent(Form.get());
    edit->SetBounds(10, 10, 100, 21);
    TButton* ok = Make(Form.get(), 10, 50, "OK");
    TButton* other = Make(Form.get(), 100, 50, "Other");
    ok->SetDefault(true);
    edit->SetFocus();
    Pump();
    EXPECT_TRUE(LooksDefault(ok));
    EXPECT_FALSE(LooksDefault(other));
    Tap(VK_RETURN);
    EXPECT_EQ(Clicks, std::vector<std::string>{"OK"}) << "Enter in an edit clicks the default button";

    other->SetFocus();
    Pump();
    EXPECT_FALSE(LooksDefault(ok)) << "a focused push button takes the default look";
    EXPECT_TRUE(LooksDefault(other));
    Tap(VK_RETURN);
    EXPECT_EQ(Clicks.back(), "Other");

    edit->SetFocus();
    ok->SetEnabled(false);
    Pump();
    Tap(VK_RETURN);
    EXPECT_EQ(Clicks.size(), 2u) << "a disabled default button takes no Enter";
    ok->SetEnabled(true);
    ok->SetDefault(false);
    EXPECT_FALSE(LooksDefault(ok)) << "Default switched off while shown";
    Tap(VK_RETURN);
    EXPECT_EQ(Clicks.size(), 2u);
}

TEST_F(ButtonTest, EscClicksTheCancelButtonOnlyWithoutModifiers) {
    TButton* cancel = Make(Form.get(), 10, 50, "Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    TButton* other = Make(Form.get(), 100, 50, "Other");
    other->SetFocus();
    Pump();
    Key(VK_SHIFT, true);
    Tap(VK_ESCAPE);
    Key(VK_SHIFT, false);
    EXPECT_TRUE(Clicks.empty());
    Tap(VK_ESCAPE);
    EXPECT_EQ(Clicks, std::vector<std::string>{"Cancel"});
    EXPECT_EQ(Form->ModalResult(), mrCancel);
}

TEST_F(ButtonTest, AButtonFreedByItsOwnClickHandlerLeavesNothingBehind) {
    auto* b = new TButton(Form.get());
    b->SetParent(Form.get());
    b->SetBounds(20, 20, 75, 25);
    int clicks = 0;
    b->OnClick = [&](TObject*) {
        ++clicks;
        delete b;
    };
    Pump();
    TPoint p = At(*b, 30, 12);
    ClickAt(p.X, p.Y);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Form->ControlCount(), 0);
    Press(p.X, p.Y, true); // the form gets the next press
    Press(p.X, p.Y, false);
}

TEST_F(ButtonTest, ABitmapButtonKindSetsCaptionResultAndRoleUntilAGlyphMakesItCustom) {
    auto* ok = Make<TBitBtn>(Form.get(), 10, 10, "");
    ok->SetKind(bkOK);
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_EQ(ok->ModalResult(), mrOk);
    EXPECT_TRUE(ok->Default());
    EXPECT_FALSE(ok->Glyph()->Empty());
    auto* no = Make<TBitBtn>(Form.get(), 100, 10, "");
    no->SetKind(bkNo);
    EXPECT_EQ(no->ModalResult(), mrNo);
    EXPECT_TRUE(no->Cancel());
    TBitmap own(8, 8);
    no->SetGlyph(&own);
    EXPECT_EQ(no->Kind(), bkCustom);
    EXPECT_EQ(no->Caption(), "&No") << "the caption stays what the kind gave";

    auto* close = Make<TBitBtn>(Form.get(), 200, 10, "");
    close->SetKind(bkClose);
    ClickOn(close);
    EXPECT_FALSE(Form->Visible()) << "a Close button closes its form";
}

TEST_F(ButtonTest, ABitmapButtonDrawsItsGlyphWhereTheLayoutPutsIt) {
    auto* b = Make<TBitBtn>(Form.get(), 10, 10, "Glyph");
    b->SetBounds(10, 10, 120, 40);
    TBitmap glyph(10, 10);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 10, 10});
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect({2, 2, 8, 8});
    b->SetGlyph(&glyph);
    b->SetMargin(4);
    Pump();
    TRect g = b->GlyphRect();
    EXPECT_EQ(g, Bounds(6, 15, 10, 10)) << "2 pixels of frame, then the margin; centred vertically";
    EXPECT_LT(g.Right, b->CaptionRect().Left);
    EXPECT_EQ(Pixel(*b, g.Left + 5, g.Top + 5), clRed);
    EXPECT_EQ(Pixel(*b, g.Left, g.Top), ColorToRGB(clBtnFace)) << "the key colour is see-through";

    b->SetLayout(blGlyphRight);
    g = b->GlyphRect();
    EXPECT_EQ(g.Right, 120 - 2 - 4);
    EXPECT_GT(g.Left, b->CaptionRect().Right);
    EXPECT_EQ(Pixel(*b, g.Left + 5, g.Top + 5), clRed);

    b->SetEnabled(false);
    EXPECT_EQ(Pixel(*b, g.Left + 5, g.Top + 5), ColorToRGB(clBtnShadow)) << "disabled: a silhouette";
}

TEST_F(ButtonTest, AnActiveBitmapButtonWearsTheDarkDefaultFrame) {
    auto* b = Make<TBitBtn>(Form.get(), 10, 10, "Default");
    Make(Form.get(), 120, 10, "Other")->SetFocus();
    const TColor plain = Pixel(*b, 0, 12);
    EXPECT_NE(plain, ColorToRGB(clWindowFrame));
    b->SetDefault(true);
    EXPECT_EQ(Pixel(*b, 0, 12), plain) << "another push button has the focus";
    b->SetFocus();
    EXPECT_EQ(Pixel(*b, 0, 12), ColorToRGB(clWindowFrame));
}
