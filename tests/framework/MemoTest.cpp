// Memos: Lines read and written through the memo's text (and so through the platform edit),
// what Enter and Tab do with WantReturns and WantTabs, and the window styles of scroll bars and
// word wrap, with the lines surviving a new window.
#include "FormTestFixture.h"

#include "framework/TButton.h"
#include "framework/TMemo.h"

#include "platform/controls/EditCodes.h"

namespace {
class MemoTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 320, 240);
        Memo = new TMemo(Form.get());
        Memo->SetParent(Form.get());
        Memo->SetBounds(10, 10, 200, 120);
        Memo->OnChange = [this](TObject*) { ++Changes; };
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    void Type(const std::string& text) {
        Input().Text(text);
        Pump();
    }

    std::unique_ptr<TForm> Form;
    TMemo* Memo = nullptr;
    int Changes = 0;
};
}

TEST_F(MemoTest, LinesAreTheTextSplitAtLineBreaksAndWriteThroughToTheWindow) {
    TStrings* lines = Memo->Lines();
    EXPECT_EQ(lines->Count(), 0);
    lines->Add(" 1. --------------------  0:00:00");
    lines->Add(" 2. Иван                  0:01:05");
    EXPECT_EQ(GetWindowText(Memo->Handle()), " 1. --------------------  0:00:00\r\n 2. Иван                  0:01:05\r\n");
    EXPECT_EQ(lines->Count(), 2) << "the final line break starts no further line";
    EXPECT_EQ((*lines)[1], " 2. Иван                  0:01:05");
    lines->Insert(0, "top");
    lines->SetStrings(2, "changed");
    lines->Delete(1);
    EXPECT_EQ(Memo->Text(), "top\r\nchanged\r\n");
    EXPECT_THROW(lines->Delete(5), EListError);
    lines->SetText("a\nb\r\nc");
    EXPECT_EQ(lines->Count(), 3);
    EXPECT_EQ((*lines)[2], "c");
    lines->Clear();
    EXPECT_EQ(Memo->Text(), "");
    EXPECT_EQ(Changes, 7) << "each change of the lines is one change of the text";
}

TEST_F(MemoTest, TypedLinesShowInLines) {
    Memo->SetFocus();
    Type("first");
    Tap(VK_RETURN);
    Type("second");
    ASSERT_EQ(Memo->Lines()->Count(), 2);
    EXPECT_EQ((*Memo->Lines())[0], "first");
    EXPECT_EQ((*Memo->Lines())[1], "second");
}

TEST_F(MemoTest, EnterGoesToTheDefaultButtonOnlyWithoutWantReturns) {
    auto* ok = new TButton(Form.get());
    ok->SetParent(Form.get());
    ok->SetBounds(10, 150, 75, 25);
    ok->SetDefault(true);
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    Memo->SetFocus();
    Type("a");
    Tap(VK_RETURN);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Memo->Text(), "a\r\n");
    Memo->SetWantReturns(false);
    Tap(VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Memo->Text(), "a\r\n") << "and no line break typed";
}

TEST_F(MemoTest, TabMovesOnUnlessWantTabsAndEscAlwaysReachesTheForm) {
    auto* cancel = new TButton(Form.get());
    cancel->SetParent(Form.get());
    cancel->SetBounds(10, 150, 75, 25);
    cancel->SetCancel(true);
    int clicks = 0;
    cancel->OnClick = [&](TObject*) { ++clicks; };
    Memo->SetFocus();
    Tap(VK_ESCAPE);
    EXPECT_EQ(clicks, 1);
    Tap(VK_TAB);
    EXPECT_TRUE(cancel->Focused());
    Memo->SetWantTabs(true);
    Memo->SetFocus();
    Tap(VK_TAB);
    EXPECT_TRUE(Memo->Focused());
    EXPECT_EQ(Memo->Text(), "\t");
}

TEST_F(MemoTest, ScrollBarsAndWordWrapAreWindowStylesAndANewWindowKeepsTheLines) {
    Memo->Lines()->Add("kept");
    const DWORD wrapped = static_cast<DWORD>(GetWindowLongPtr(Memo->Handle(), GWL_STYLE));
    EXPECT_TRUE(wrapped & ES_MULTILINE);
    EXPECT_FALSE(wrapped & ES_AUTOHSCROLL) << "word wrap needs the edit not to scroll sideways";
    Memo->SetWordWrap(false);
    Memo->SetScrollBars(ssBoth);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtr(Memo->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_EQ(Memo->Lines()->Count(), 1);
    EXPECT_EQ((*Memo->Lines())[0], "kept");
}
