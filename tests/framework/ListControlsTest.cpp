// Combo boxes and list boxes: items kept before the window and moved into the platform list,
// ItemIndex in the platform's selection and back, no event for a selection by program, the
// user's picks (keys, mouse) with OnChange / OnSelect / OnClick, typing into the editable field
// through the framework's keyboard path, sorting, and a new window keeping items and selection.
#include "FormTestFixture.h"

#include "framework/TButton.h"
#include "framework/TComboBox.h"
#include "framework/TListBox.h"

#include "platform/controls/ComboBoxCodes.h"
#include "platform/controls/ListBoxCodes.h"

namespace {
class ListControlsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 360, 260);
        Combo = new TComboBox(Form.get());
        for (const char* skin : {"Desert (internal)", "Aqua (internal)", "Winter"}) Combo->Items()->Add(skin);
        Combo->SetParent(Form.get());
        Combo->SetBounds(10, 10, 169, 21);
        Combo->OnChange = [this](TObject*) { Events.push_back("change:" + Combo->Text()); };
        Combo->OnDropDown = [this](TObject*) { Events.push_back("dropdown"); };
        Combo->OnCloseUp = [this](TObject*) { Events.push_back("closeup"); };
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    void Type(const std::string& text) {
        Input().Text(text);
        Pump();
    }
    TListBox* MakeList() {
        auto* list = new TListBox(Form.get());
        list->SetParent(Form.get());
        list->SetBounds(200, 10, 120, 120);
        for (const char* s : {"one", "two", "three"}) list->Items()->Add(s);
        return list;
    }

    std::unique_ptr<TForm> Form;
    TComboBox* Combo = nullptr;
    std::vector<std::string> Events;
};
}

TEST_F(ListControlsTest, ItemsAndItemIndexLiveInThePlatformComboAndProgramChangesRaiseNothing) {
    HWND h = Combo->Handle();
    EXPECT_EQ(GetClassName(h), WC_COMBOBOX);
    EXPECT_EQ(SendMessage(h, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Combo->ItemIndex(), -1);
    Combo->SetItemIndex(1);
    EXPECT_EQ(SendMessage(h, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Combo->Text(), "Aqua (internal)");
    SendMessage(h, CB_SETCURSEL, 2, 0);
    EXPECT_EQ(Combo->ItemIndex(), 2);
    Combo->SetItemIndex(-1);
    EXPECT_EQ(Combo->Text(), "") << "no selection empties the field";
    Combo->SetItemIndex(7);
    EXPECT_EQ(Combo->ItemIndex(), -1);
    Combo->SetText("Скин не выбран");
    EXPECT_EQ(GetWindowText(h), "Скин не выбран");
    EXPECT_TRUE(Events.empty());
}

TEST_F(ListControlsTest, APickByKeysRaisesOnChangeAndOnSelectTakesItsPlaceWhenAssigned) {
    Combo->SetFocus();
    Tap(VK_DOWN);
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_EQ(Events, std::vector<std::string>{"change:Desert (internal)"});
    int selects = 0, clicks = 0;
    Combo->OnSelect = [&](TObject*) { ++selects; };
    Combo->OnClick = [&](TObject*) { ++clicks; };
    Tap(VK_DOWN);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Events.size(), 1u);
}

TEST_F(ListControlsTest, APickWithTheMouseOpensAndClosesTheListAroundOneChange) {
    TPoint button = At(*Combo, Combo->Width() - 6, 10);
    ClickAt(button.X, button.Y);
    Advance(600);
    ASSERT_TRUE(Combo->DroppedDown()) << ::testing::PrintToString(Events);
    TRect drop;
    SendMessage(Combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&drop));
    const int itemHeight = static_cast<int>(SendMessage(Combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
    ClickAt(drop.Left + 20, drop.Top + 1 + itemHeight * 2 + itemHeight / 2);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Events, (std::vector<std::string>{"dropdown", "closeup", "change:Winter"}));
}

TEST_F(ListControlsTest, TypingIntoTheFieldPassesOnKeyPressRaisesOnChangeAndLeavesDialogKeysToTheForm) {
    auto* ok = new TButton(Form.get());
    ok->SetParent(Form.get());
    ok->SetBounds(10, 200, 75, 25);
    ok->SetDefault(true);
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    Combo->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == U'x') key = 0;
    };
    Combo->SetFocus();
    Type("Wixn");
    EXPECT_EQ(Combo->Text(), "Win");
    EXPECT_EQ(Events, (std::vector<std::string>{"change:W", "change:Wi", "change:Win"}));
    Tap(VK_RETURN);
    EXPECT_EQ(clicks, 1) << "Enter in the closed field is the form's";
    Tap(VK_TAB);
    EXPECT_TRUE(ok->Focused());
    Combo->SetFocus();
    EXPECT_EQ(Form->ActiveControl(), Combo);
}

TEST_F(ListControlsTest, AClickIntoTheFieldMakesTheComboBoxTheFormsActiveControl) {
    auto* ok = new TButton(Form.get());
    ok->SetParent(Form.get());
    ok->SetBounds(10, 200, 75, 25);
    ok->SetFocus();
    Pump();
    TPoint field = At(*Combo, 20, 10);
    ClickAt(field.X, field.Y);
    EXPECT_EQ(Form->ActiveControl(), Combo);
}

TEST_F(ListControlsTest, ADropDownListShowsTheSelectedItemAndTextSetByProgramSelectsOne) {
    Combo->SetStyle(csDropDownList);
    EXPECT_EQ(GetWindowLongPtr(Combo->Handle(), GWL_STYLE) & 3, static_cast<LONG_PTR>(CBS_DROPDOWNLIST));
    EXPECT_EQ(Combo->Items()->Count(), 3) << "the new window got the items";
    Combo->SetText("Winter");
    EXPECT_EQ(Combo->ItemIndex(), 2);
    Combo->SetFocus();
    Tap(VK_UP);
    EXPECT_EQ(Combo->Text(), "Aqua (internal)");
}

TEST_F(ListControlsTest, SortedListsPlaceItemsInOrderBeforeAndAfterTheWindow) {
    auto* combo = new TComboBox(Form.get());
    combo->SetSorted(true);
    combo->Items()->Add("b");
    EXPECT_EQ(combo->Items()->Add("a"), 0);
    combo->SetItemIndex(1);
    combo->SetParent(Form.get());
    EXPECT_EQ(combo->Items()->Add("c"), 2);
    EXPECT_EQ(combo->Items()->CommaText(), "a,b,c");
    EXPECT_EQ(combo->Text(), "b");
    combo->SetSorted(false);
    combo->Items()->Add("0");
    EXPECT_EQ(combo->Items()->CommaText(), "a,b,c,0");
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ListControlsTest, AListBoxKeepsItsItemsAndRaisesOnClickOnlyForTheUsersPick) {
    TListBox* list = MakeList();
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    HWND h = list->Handle();
    EXPECT_EQ(SendMessage(h, LB_GETCOUNT, 0, 0), 3);
    list->SetItemIndex(1);
    EXPECT_EQ(SendMessage(h, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(clicks, 0);
    TRect item;
    SendMessage(h, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    TPoint p = At(*list, item.Left + 5, item.Top + item.Height() / 2);
    ClickAt(p.X, p.Y);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    list->SetSorted(true);
    EXPECT_EQ(list->Items()->CommaText(), "one,three,two");
    EXPECT_NE(list->Handle(), h);
}

TEST_F(ListControlsTest, ObjectsRideWithTheirItemsThroughANewWindow) {
    TListBox* list = MakeList();
    TObject* marker = Form.get();
    list->Items()->SetObjects(1, marker);
    list->SetBorderStyle(bsNone);
    EXPECT_EQ(list->Items()->Objects(1), marker);
    EXPECT_EQ(list->Items()->IndexOfObject(marker), 1);
    EXPECT_THROW(list->Items()->Objects(3), EListError);
}
