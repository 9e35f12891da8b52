// Edits on a shown form: the text kept in the platform edit and read back, OnChange raised for
// real changes only, characters filtered by OnKeyPress, length limit, read-only mode, selection
// counted in characters, AutoSelect and letter case.
#include "FormTestFixture.h"

#include "framework/TEdit.h"

#include "platform/controls/EditCodes.h"

namespace {
class EditTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 320, 200);
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 150, 21);
        Edit->OnChange = [this](TObject*) { Changes.push_back(Edit->Text()); };
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
    TEdit* Edit = nullptr;
    std::vector<std::string> Changes;
};
}

TEST_F(EditTest, TextGoesToThePlatformEditAndComesBackWithOnChangeForRealChangesOnly) {
    auto* early = new TEdit(Form.get());
    int earlyChanges = 0;
    early->OnChange = [&](TObject*) { ++earlyChanges; };
    early->SetText("before the window");
    early->SetParent(Form.get());
    Pump();
    EXPECT_EQ(GetClassName(early->Handle()), "Edit");
    EXPECT_EQ(GetWindowText(early->Handle()), "before the window");
    EXPECT_EQ(earlyChanges, 1) << "set by program; the window's creation adds no change";

    Edit->SetText("Ширина");
    EXPECT_EQ(GetWindowText(Edit->Handle()), "Ширина");
    Edit->SetText("Ширина");
    SetWindowText(Edit->Handle(), "25");
    EXPECT_EQ(Edit->Text(), "25");
    EXPECT_EQ(Changes, (std::vector<std::string>{"Ширина", "25"})) << "the same text again is no change";
    EXPECT_FALSE(Edit->Modified()) << "text set by program";
}

TEST_F(EditTest, OnKeyPressFiltersCharactersBeforeTheEditSeesThem) {
    Edit->OnKeyPress = [](TObject*, char32_t& key) {
        if ((key < U'0' || key > U'9') && key != 8) key = 0;
    };
    Edit->SetFocus();
    Type("1a2б3 ");
    EXPECT_EQ(Edit->Text(), "123");
    Tap(VK_BACK);
    EXPECT_EQ(Edit->Text(), "12");
    EXPECT_EQ(Changes, (std::vector<std::string>{"1", "12", "123", "12"}));
    EXPECT_TRUE(Edit->Modified());
}

TEST_F(EditTest, MaxLengthLimitsTypingAndReadOnlyRefusesItWhileProgramsMayStillSetText) {
    Edit->SetMaxLength(3);
    Edit->SetFocus();
    Type("abcdef");
    EXPECT_EQ(Edit->Text(), "abc");
    Edit->SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongPtr(Edit->Handle(), GWL_STYLE) & ES_READONLY);
    Edit->SelectAll();
    Type("x");
    Tap(VK_BACK);
    EXPECT_EQ(Edit->Text(), "abc");
    Edit->SetText("longer than three");
    EXPECT_EQ(Edit->Text(), "longer than three");
}

TEST_F(EditTest, SelectionCountsCharactersAndSelTextReplacesIt) {
    Edit->SetText("Привет мир");
    Edit->SetSelStart(7);
    Edit->SetSelLength(3);
    EXPECT_EQ(Edit->SelStart(), 7);
    EXPECT_EQ(Edit->SelLength(), 3);
    EXPECT_EQ(Edit->SelText(), "мир");
    Edit->SetSelText("всем");
    EXPECT_EQ(Edit->Text(), "Привет всем");
    EXPECT_TRUE(Edit->Modified());
    EXPECT_EQ(Edit->SelStart(), 11);
    EXPECT_EQ(Edit->SelLength(), 0);
    Edit->SelectAll();
    EXPECT_EQ(Edit->SelText(), "Привет всем");
    Edit->ClearSelection();
    EXPECT_EQ(Edit->Text(), "");
}

TEST_F(EditTest, AutoSelectSelectsAllOnTabButAClickPlacesTheCaret) {
    auto* first = new TEdit(Form.get());
    first->SetParent(Form.get());
    first->SetBounds(10, 50, 150, 21);
    Edit->SetText("selected");
    Edit->SetTabOrder(1);
    first->SetFocus();
    Tap(VK_TAB);
    ASSERT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->SelLength(), 8);

    first->SetFocus();
    TPoint p = At(*Edit, 140, 10);
    ClickAt(p.X, p.Y);
    EXPECT_EQ(Edit->SelLength(), 0);
    EXPECT_EQ(Edit->SelStart(), 8);

    Edit->SetAutoSelect(false);
    first->SetFocus();
    Tap(VK_TAB);
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(EditTest, CharCaseConvertsTheTextAndWhatIsTyped) {
    Edit->SetText("Мир");
    Edit->SetCharCase(ecUpperCase);
    EXPECT_EQ(Edit->Text(), "МИР");
    Edit->SetFocus();
    Edit->SetSelStart(3);
    Type("ок");
    EXPECT_EQ(Edit->Text(), "МИРОК");
    Edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(Edit->Text(), "мирок");
}

TEST_F(EditTest, RecreatingTheWindowKeepsTextLimitAndModifiedFlag) {
    Edit->SetMaxLength(4);
    Edit->SetFocus();
    Type("abcdef");
    HWND before = Edit->Handle();
    Edit->SetBorderStyle(bsNone);
    EXPECT_NE(Edit->Handle(), before);
    EXPECT_FALSE(GetWindowLongPtr(Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(Edit->Text(), "abcd");
    EXPECT_TRUE(Edit->Modified());
    EXPECT_EQ(SendMessage(Edit->Handle(), EM_GETLIMITTEXT, 0, 0), 4);
}

TEST_F(EditTest, TypedTextSurvivesTheFormMakingItsWindowAgain) {
    Edit->SetFocus();
    Type("typed");
    Form->SetBorderStyle(bsDialog);
    Pump();
    EXPECT_EQ(GetWindowText(Edit->Handle()), "typed");
    EXPECT_TRUE(Edit->Modified());
}
