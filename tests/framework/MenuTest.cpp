// Main menus on a form: the item tree kept in step with the platform menu, commands reaching the
// right item, changes re-laying the bar and sending CM_MENUCHANGED, radio groups, owner drawing
// switched on and off, shortcuts, submenu updates, the dump, and errors in item handlers.
#include "FormTestFixture.h"

#include "framework/TMainMenu.h"
#include "framework/TPopupMenu.h"

#include "platform/automation/DumpWriter.h"
#include "platform/controls/MenuApi.h"

#include <set>

namespace {

class MenuTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Application->Initialize();
        Form = ShownForm(40, 40, 400, 200);
        Menu = new TMainMenu(Form.get());
        Game = Item(Menu->Items(), "&Game");
        NewGame = Item(Game, "&New game");
        Item(Game, "-");
        Exit = Item(Game, "E&xit");
        Help = Item(Menu->Items(), "&Help");
        Form->SetMenu(Menu);
        Pump();
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }

    // An item owned by the form, added under parent, whose clicks are logged by caption.
    TMenuItem* Item(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(Form.get());
        item->SetCaption(caption);
        item->OnClick = [this, item](TObject* sender) {
            EXPECT_EQ(sender, item);
            Clicks.push_back(StripHotkey(item->Caption()));
        };
        parent->Add(item);
        return item;
    }
    HMENU Bar() const { return GetMenu(Form->Handle()); }
    std::string Text(HMENU menu, int position) const {
        std::string text;
        GetMenuString(menu, static_cast<UINT>(position), &text, MF_BYPOSITION);
        return text;
    }
    TRect BarItem(int position) const {
        TRect r;
        EXPECT_TRUE(GetMenuItemRect(Form->Handle(), Bar(), static_cast<UINT>(position), &r));
        return r;
    }
    void Command(const TMenuItem* item, LPARAM lParam = 0) {
        SendMessage(Form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), lParam);
    }
    UINT Type(HMENU menu, int position) const {
        MENUITEMINFO info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfo(menu, static_cast<UINT>(position), TRUE, &info);
        return info.fType;
    }
    TColor ScreenPixel(TPoint p) {
        Pump();
        Bitmap screen = CaptureScreen();
        DeviceContext dc(&screen);
        return dc.GetPixel(p.X, p.Y);
    }
    // Counts CM_MENUCHANGED on the form.
    void CountMenuChanges() {
        Form->PushWindowProc([this](TMessage& m, const TWndMethod& next) {
            if (m.Msg == CM_MENUCHANGED) ++MenuChanges;
            next(m);
        });
    }

    std::unique_ptr<TForm> Form;
    TMainMenu* Menu = nullptr;
    TMenuItem* Game = nullptr;
    TMenuItem* NewGame = nullptr;
    TMenuItem* Exit = nullptr;
    TMenuItem* Help = nullptr;
    std::vector<std::string> Clicks;
    int MenuChanges = 0;
};

} // namespace

TEST_F(MenuTest, TheItemTreeIsWhatThePlatformMenuShowsAndHiddenItemsAreLeftOff) {
    ASSERT_EQ(Bar(), Menu->Handle());
    ASSERT_EQ(GetMenuItemCount(Bar()), 2);
    EXPECT_EQ(Text(Bar(), 0), "&Game");
    EXPECT_EQ(GetSubMenu(Bar(), 0), Game->Handle());
    EXPECT_EQ(GetSubMenu(Bar(), 1), nullptr) << "an item without sub-items is a command";
    EXPECT_EQ(GetMenuItemID(Bar(), 1), Help->Command());
    ASSERT_EQ(GetMenuItemCount(Game->Handle()), 3);
    EXPECT_TRUE(Type(Game->Handle(), 1) & MFT_SEPARATOR);

    NewGame->SetVisible(false);
    ASSERT_EQ(GetMenuItemCount(Game->Handle()), 2);
    EXPECT_TRUE(Type(Game->Handle(), 0) & MFT_SEPARATOR);
    NewGame->SetVisible(true);
    EXPECT_EQ(Text(Game->Handle(), 0), "&New game");

    Exit->SetMenuIndex(0);
    EXPECT_EQ(Text(Game->Handle(), 0), "E&xit");
    EXPECT_EQ(Game->IndexOf(NewGame), 1);

    // An item's first sub-item makes it a submenu on the bar, its last one a command again.
    TMenuItem* about = Item(Help, "&About");
    EXPECT_EQ(GetSubMenu(Bar(), 1), Help->Handle());
    EXPECT_EQ(Help->Find("about"), about);
    delete about;
    EXPECT_EQ(GetSubMenu(Bar(), 1), nullptr);
    EXPECT_EQ(Help->Count(), 0);

    std::set<UINT> ids{Game->Command(), NewGame->Command(), Exit->Command(), Help->Command()};
    EXPECT_EQ(ids.size(), 4u);
    EXPECT_EQ(ids.count(0), 0u);
}

TEST_F(MenuTest, TheTreeRefusesItemsTwiceInItAndItemsIntoThemselves) {
    auto* loose = new TMenuItem(Form.get());
    EXPECT_THROW(Help->Add(NewGame), EMenuError) << "already under Game";
    EXPECT_THROW(NewGame->Add(Game), EMenuError) << "Game holds NewGame";
    EXPECT_THROW(Game->Add(Game), EMenuError);
    EXPECT_THROW(Game->Insert(9, loose), EMenuError);
    EXPECT_THROW(Game->Items(3), EMenuError);
    try {
        Help->Add(NewGame);
    } catch (const EMenuError& e) {
        EXPECT_EQ(e.Message(), "Menu inserted twice");
    }
    EXPECT_EQ(NewGame->Parent(), Game);
    EXPECT_EQ(GetMenuItemCount(Game->Handle()), 3) << "nothing changed";
    Game->Remove(NewGame);
    Help->Add(NewGame); // once out of its tree it may go elsewhere
    EXPECT_EQ(NewGame->Parent(), Help);
    EXPECT_EQ(GetSubMenu(Bar(), 1), Help->Handle());
}

TEST_F(MenuTest, WmCommandRunsTheItemWithThatIdAndOnlyAMenusCommand) {
    Command(NewGame);
    Command(Help);
    EXPECT_EQ(Clicks, (std::vector<std::string>{"New game", "Help"}));
    Clicks.clear();
    Command(NewGame, reinterpret_cast<LPARAM>(Form->Handle())); // a child's notification, not the menu
    SendMessage(Form->Handle(), WM_COMMAND, MAKEWPARAM(0xEFFE, 0), 0);
    Exit->SetEnabled(false);
    Command(Exit);
    EXPECT_TRUE(Clicks.empty());
    EXPECT_TRUE(GetMenuState(Game->Handle(), 2, MF_BYPOSITION) & MF_GRAYED);

    NewGame->SetAutoCheck(true);
    Command(NewGame);
    EXPECT_TRUE(NewGame->Checked());
    EXPECT_TRUE(GetMenuState(Game->Handle(), 0, MF_BYPOSITION) & MF_CHECKED);
    Command(NewGame);
    EXPECT_FALSE(NewGame->Checked());
}

TEST_F(MenuTest, ClickingABarItemRunsItsCommandOnceTheMenuLoopHasEnded) {
    const TRect help = BarItem(1);
    const TPoint centre{(help.Left + help.Right) / 2, (help.Top + help.Bottom) / 2};
    QueuedClick(centre.X, centre.Y);
    EXPECT_EQ(Clicks, std::vector<std::string>{"Help"});
}

TEST_F(MenuTest, ChangesRelayTheBarAndEachSendsCmMenuChanged) {
    CountMenuChanges();
    const int helpWidth = BarItem(1).Width();
    Help->SetCaption("&Help and more");
    EXPECT_EQ(MenuChanges, 1);
    EXPECT_EQ(Text(Bar(), 1), "&Help and more");
    EXPECT_GT(BarItem(1).Width(), helpWidth) << "the bar measured the new caption";
    Item(Menu->Items(), "&Records");
    EXPECT_EQ(MenuChanges, 2);
    EXPECT_EQ(GetMenuItemCount(Bar()), 3);
    NewGame->SetEnabled(false); // a change deep in a submenu also counts
    EXPECT_EQ(MenuChanges, 3);
    NewGame->SetEnabled(false);
    EXPECT_EQ(MenuChanges, 3) << "setting the same value changes nothing";
}

TEST_F(MenuTest, FreeingTheMainMenuTakesItOffItsFormAndReturnsTheRoom) {
    const int withMenu = Form->ClientHeight();
    delete Menu;
    EXPECT_EQ(Form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(Form->Handle()), nullptr);
    EXPECT_GT(Form->ClientHeight(), withMenu);
    Pump();
}

TEST_F(MenuTest, RadioItemsOfOneGroupAreCheckedOneAtATime) {
    auto radio = [this](const std::string& caption, int group) {
        TMenuItem* item = Item(Game, caption);
        item->SetRadioItem(true);
        item->SetGroupIndex(group);
        item->SetAutoCheck(true);
        return item;
    };
    TMenuItem* easy = radio("Easy", 1);
    TMenuItem* hard = radio("Hard", 1);
    TMenuItem* other = radio("Sound", 2);
    other->SetChecked(true);
    easy->SetChecked(true);
    hard->SetChecked(true);
    EXPECT_FALSE(easy->Checked());
    EXPECT_TRUE(other->Checked()) << "another group is left alone";
    Command(hard);
    EXPECT_TRUE(hard->Checked()) << "clicking the checked radio item keeps it checked";
    Command(easy);
    EXPECT_TRUE(easy->Checked());
    EXPECT_FALSE(hard->Checked());
    const int easyAt = 3;
    EXPECT_TRUE(Type(Game->Handle(), easyAt) & MFT_RADIOCHECK);
    EXPECT_TRUE(GetMenuState(Game->Handle(), easyAt, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(Game->Handle(), easyAt + 1, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_THROW(easy->SetGroupIndex(256), ERangeError);
}

TEST_F(MenuTest, OwnerDrawHandsMeasuringAndDrawingToTheItemsAndSwitchesBack) {
    CountMenuChanges();
    const int plainHelp = BarItem(1).Width();
    const int plainGame = BarItem(0).Width();
    TCanvas* measuredWith = nullptr;
    Help->OnMeasureItem = [&](TObject*, TCanvas* canvas, int& width, int&) {
        measuredWith = canvas;
        width = 77;
    };
    std::vector<TOwnerDrawState> drawn;
    Help->OnAdvancedDrawItem = [&](TObject*, TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
        drawn.push_back(state);
        canvas->Brush()->SetColor(clLime);
        canvas->FillRect(rect);
    };
    Menu->SetOwnerDraw(true);
    EXPECT_EQ(MenuChanges, 1);
    EXPECT_TRUE(Type(Bar(), 1) & MFT_OWNERDRAW);
    EXPECT_TRUE(Type(Game->Handle(), 0) & MFT_OWNERDRAW) << "sub-items too";
    EXPECT_TRUE(Type(Game->Handle(), 1) & MFT_SEPARATOR) << "a separator stays one";
    ASSERT_NE(measuredWith, nullptr);
    EXPECT_EQ(BarItem(1).Width(), 77);
    EXPECT_EQ(BarItem(0).Width(), plainGame) << "the plain owner-drawn look keeps the platform's sizes";
    const TRect help = BarItem(1);
    const TPoint centre{(help.Left + help.Right) / 2, (help.Top + help.Bottom) / 2};
    EXPECT_EQ(ScreenPixel(centre), clLime);
    ASSERT_FALSE(drawn.empty());
    EXPECT_FALSE(drawn.back().Contains(odSelected));

    drawn.clear();
    Menu->SetOwnerDraw(false);
    EXPECT_EQ(MenuChanges, 2);
    EXPECT_FALSE(Type(Bar(), 1) & MFT_OWNERDRAW);
    EXPECT_EQ(BarItem(1).Width(), plainHelp);
    EXPECT_NE(ScreenPixel(centre), clLime);
    EXPECT_TRUE(drawn.empty());
}

TEST_F(MenuTest, APlainDrawHandlerServesUntilAnAdvancedOneIsSet) {
    std::vector<std::string> calls;
    Help->OnDrawItem = [&](TObject*, TCanvas*, const TRect&, bool) { calls.push_back("plain"); };
    Menu->SetOwnerDraw(true);
    Pump();
    ASSERT_FALSE(calls.empty());
    calls.clear();
    Help->OnAdvancedDrawItem = [&](TObject*, TCanvas*, const TRect&, TOwnerDrawState) {
        calls.push_back("advanced");
    };
    DrawMenuBar(Form->Handle());
    Pump();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "plain"), 0);
}

TEST_F(MenuTest, ShortCutsRunTheirItemAndTakeTheKey) {
    EXPECT_EQ(ShortCutToText(ShortCut('N', {ssCtrl})), "Ctrl+N");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, {ssShift, ssCtrl})), "Shift+Ctrl+F5");
    EXPECT_EQ(TextToShortCut("ctrl+shift+del"), ShortCut(VK_DELETE, {ssCtrl, ssShift}));
    EXPECT_EQ(TextToShortCut("Alt+F12"), ShortCut(VK_F12, {ssAlt}));
    EXPECT_EQ(TextToShortCut("Ctrl+?"), scNone);
    EXPECT_EQ(ShortCutToText(ShortCut(0x07, {})), "") << "a key without a name";

    NewGame->SetShortCut(ShortCut('N', {ssCtrl}));
    EXPECT_EQ(Text(Game->Handle(), 0), "&New game\tCtrl+N");
    std::vector<char32_t> typed;
    std::vector<WORD> keys;
    Form->OnKeyPress = [&](TObject*, char32_t& c) { typed.push_back(c); };
    Form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { keys.push_back(key); };
    Key(VK_CONTROL, true);
    Tap('N');
    Key(VK_CONTROL, false);
    EXPECT_EQ(Clicks, std::vector<std::string>{"New game"});
    EXPECT_TRUE(typed.empty()) << "the key's character is dropped too";
    EXPECT_EQ(std::count(keys.begin(), keys.end(), 'N'), 0);

    Game->SetEnabled(false); // under a disabled parent the shortcut is not the menu's
    Key(VK_CONTROL, true);
    Tap('N');
    Key(VK_CONTROL, false);
    EXPECT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), 'N'), 1);
}

TEST_F(MenuTest, ASubmenuOpeningLetsItsItemUpdateTheSubItemsFirst) {
    Game->OnClick = [this](TObject*) { NewGame->SetEnabled(false); };
    SendMessage(Form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Game->Handle()), 0);
    EXPECT_FALSE(NewGame->Enabled());
    EXPECT_TRUE(GetMenuState(Game->Handle(), 0, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(MenuTest, TheDumpListsItemsWithTheirStateAndThePlaceOfBarItems) {
    NewGame->SetName("NewGameMI");
    NewGame->SetChecked(true);
    Exit->SetEnabled(false);
    std::vector<TDumpRecord> records = DumpWriter::Collect();
    auto find = [&](const std::string& text) -> const TDumpRecord* {
        for (const TDumpRecord& r : records)
            if (r.Get("class") && TDumpRecord::ToText(*r.Get("class")) == "TMenuItem" &&
                TDumpRecord::ToText(*r.Get("text")) == text)
                return &r;
        return nullptr;
    };
    const TDumpRecord* newGame = find("&New game");
    ASSERT_NE(newGame, nullptr);
    EXPECT_EQ(TDumpRecord::ToText(*newGame->Get("component")), "NewGameMI");
    EXPECT_EQ(TDumpRecord::ToText(*newGame->Get("checked")), "true");
    EXPECT_EQ(newGame->Get("left"), nullptr) << "a drop-down item has no place while closed";
    const TDumpRecord* exit = find("E&xit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(TDumpRecord::ToText(*exit->Get("enabled")), "false");
    const TDumpRecord* help = find("&Help");
    ASSERT_NE(help, nullptr);
    ASSERT_NE(help->Get("left"), nullptr);
    EXPECT_EQ(TDumpRecord::ToText(*help->Get("left")), std::to_string(BarItem(1).Left));
    EXPECT_EQ(TDumpRecord::ToText(*help->Get("width")), std::to_string(BarItem(1).Width()));
}

TEST_F(MenuTest, AnErrorInAnItemsHandlerIsReportedAndTheMenuGoesOn) {
    NewGame->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
    PostMessage(Form->Handle(), WM_COMMAND, MAKEWPARAM(NewGame->Command(), 0), 0);
    Pump();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "'x' is not a valid integer value.") << "the report ends the sentence";
    Command(Help);
    EXPECT_EQ(Clicks, std::vector<std::string>{"Help"});
}

TEST_F(MenuTest, ItemsFreedBeforeOrAfterTheirMenuLeaveNothingBehind) {
    // Items owned by the form but in the menu's tree: the menu frees its tree first.
    const int components = Form->ComponentCount();
    auto* popup = new TPopupMenu(Form.get());
    TMenuItem* a = Item(popup->Items(), "A");
    Item(a, "A1");
    const HMENU aMenu = a->Handle();
    delete popup;
    EXPECT_FALSE(IsMenu(aMenu));
    EXPECT_EQ(Form->ComponentCount(), components) << "the items left their owner as they went";
    // A menu freed after its items were freed by their owner.
    auto* other = new TMainMenu(nullptr);
    auto* owner = new TComponent(nullptr);
    auto* b = new TMenuItem(owner);
    other->Items()->Add(b);
    const HMENU bar = other->Handle();
    delete owner;
    EXPECT_EQ(other->Items()->Count(), 0);
    EXPECT_EQ(GetMenuItemCount(bar), 0);
    delete other;
    EXPECT_FALSE(IsMenu(bar));
}
