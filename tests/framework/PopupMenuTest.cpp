// Popup menus and the menu bar driven like a user on a UI thread: a right click opening the
// control's menu (or its parent's), the chosen item running after the menu closed, OnPopup
// changing the items first, freed menus and controls forgotten, owner-drawn popups keeping the
// plain sizes, and a drop-down of the bar updated by its item before it shows.
#include "framework/TApplication.h"
#include "framework/TButton.h"
#include "framework/TForm.h"
#include "framework/TLabel.h"
#include "framework/TMainMenu.h"
#include "framework/TPanel.h"
#include "framework/TPopupMenu.h"
#include "framework/TTimer.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/controls/MenuApi.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

namespace {

struct TPopupProgram {
    TForm* Main = nullptr;
    TPanel* Panel = nullptr; // windowed, with PanelMenu
    TLabel* Label = nullptr; // graphic, with LabelMenu
    TPanel* Plain = nullptr; // no menu of its own: the form's FormMenu serves it
    TButton* Button = nullptr; // a wrapped platform control, with PanelMenu too
    TPopupMenu* PanelMenu = nullptr;
    TPopupMenu* LabelMenu = nullptr;
    TPopupMenu* FormMenu = nullptr;
    TMainMenu* Bar = nullptr;
    TMenuItem* Game = nullptr;
    TMenuItem* NewGame = nullptr;
    std::vector<std::string> Log;

    TMenuItem* Item(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(Main);
        item->SetCaption(caption);
        item->OnClick = [this, item](TObject*) { Log.push_back(StripHotkey(item->Caption())); };
        parent->Add(item);
        return item;
    }
    TPopupMenu* Menu(const std::string& prefix) {
        auto* menu = new TPopupMenu(Main);
        Item(menu->Items(), prefix + " one");
        Item(menu->Items(), prefix + " two");
        menu->OnPopup = [this, prefix](TObject*) { Log.push_back(prefix + " pops up"); };
        return menu;
    }
    void Build() {
        Main->SetBounds(100, 100, 500, 300);
        Panel = new TPanel(Main);
        Panel->SetParent(Main);
        Panel->SetBounds(10, 10, 150, 100);
        Plain = new TPanel(Main);
        Plain->SetParent(Main);
        Plain->SetBounds(170, 10, 150, 100);
        Label = new TLabel(Main);
        Label->SetParent(Main);
        Label->SetAutoSize(false);
        Label->SetBounds(10, 130, 150, 40);
        Label->SetCaption("label");
        Button = new TButton(Main);
        Button->SetParent(Main);
        Button->SetBounds(340, 10, 100, 30);
        Button->SetCaption("Button");
        Panel->SetPopupMenu(PanelMenu = Menu("panel"));
        Button->SetPopupMenu(PanelMenu);
        Label->SetPopupMenu(LabelMenu = Menu("label"));
        Main->SetPopupMenu(FormMenu = Menu("form"));
        Bar = new TMainMenu(Main);
        Game = Item(Bar->Items(), "&Game");
        NewGame = Item(Game, "&New game");
        Item(Game, "E&xit");
        Game->OnClick = [this](TObject*) {
            Log.push_back("game opens");
            NewGame->SetCaption("&New game (updated)");
        };
        Main->SetMenu(Bar);
    }
    int Run() {
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        TApplication app;
        app.Initialize();
        Application->CreateForm(Main);
        Build();
        app.Run();
        ClassicStyle::SetCaptionTextPainter(nullptr);
        return 0;
    }
};

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        Driver = std::make_unique<HeadlessDriver>([this] { return Program.Run(); });
        Driver->WaitIdle();
    }
    void TearDown() override { Driver->Shutdown(); }

    template <class T> T OnUi(const std::function<T()>& fn) {
        T value{};
        Driver->RunOnUi([&] { value = fn(); });
        return value;
    }
    template <class C> TPoint At(C* TPopupProgram::*control, int x, int y) {
        return OnUi<TPoint>([&] { return (Program.*control)->ClientToScreen({x, y}); });
    }
    void RightClick(TPoint p) { Driver->Click(p.X, p.Y, TMouseButton::mbRight); }
    bool Open(TPopupMenu* TPopupProgram::*menu) {
        return OnUi<bool>([&] { return PopupMenuWindow::FindShowing((Program.*menu)->Handle()) != nullptr; });
    }
    TRect ItemRect(HMENU menu, int position) {
        return OnUi<TRect>([&] {
            TRect r;
            GetMenuItemRect(Program.Main->Handle(), menu, static_cast<UINT>(position), &r);
            return r;
        });
    }
    void ClickItem(HMENU menu, int position) {
        const TRect r = ItemRect(menu, position);
        ASSERT_FALSE(r.IsEmpty());
        Driver->Click((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    HMENU Handle(TPopupMenu* TPopupProgram::*menu) {
        return OnUi<HMENU>([&] { return (Program.*menu)->Handle(); });
    }
    std::vector<std::string> Log() {
        return OnUi<std::vector<std::string>>([&] { return Program.Log; });
    }

    TPopupProgram Program;
    std::unique_ptr<UiDriver> Driver;
};

} // namespace

TEST_F(PopupMenuTest, ARightClickOpensTheControlsMenuAndTheChosenItemRunsAfterItCloses) {
    const TPoint p = At(&TPopupProgram::Panel, 40, 30);
    RightClick(p);
    ASSERT_TRUE(Open(&TPopupProgram::PanelMenu));
    const TRect first = ItemRect(Handle(&TPopupProgram::PanelMenu), 0);
    EXPECT_LE(std::abs(first.Left - p.X), 4) << "the menu opens at the pointer";
    EXPECT_LE(std::abs(first.Top - p.Y), 4);
    EXPECT_EQ(OnUi<TComponent*>([&] { return Program.PanelMenu->PopupComponent(); }), Program.Panel);
    EXPECT_EQ(OnUi<TPoint>([&] { return Program.PanelMenu->PopupPoint(); }), p);
    ClickItem(Handle(&TPopupProgram::PanelMenu), 1);
    EXPECT_FALSE(Open(&TPopupProgram::PanelMenu));
    EXPECT_EQ(Log(), (std::vector<std::string>{"panel pops up", "panel two"}));
}

TEST_F(PopupMenuTest, AWrappedPlatformControlOpensItsMenuOnce) {
    RightClick(At(&TPopupProgram::Button, 20, 10));
    ASSERT_TRUE(Open(&TPopupProgram::PanelMenu));
    EXPECT_EQ(OnUi<TComponent*>([&] { return Program.PanelMenu->PopupComponent(); }), Program.Button);
    Driver->PressKey(VK_ESCAPE);
    EXPECT_FALSE(Open(&TPopupProgram::PanelMenu)) << "closing it did not open it again";
    EXPECT_EQ(Log(), std::vector<std::string>{"panel pops up"});
}

TEST_F(PopupMenuTest, AGraphicControlHasItsOwnMenuAndAControlWithoutOneGetsItsParents) {
    RightClick(At(&TPopupProgram::Label, 20, 20));
    ASSERT_TRUE(Open(&TPopupProgram::LabelMenu));
    EXPECT_EQ(OnUi<TComponent*>([&] { return Program.LabelMenu->PopupComponent(); }), Program.Label);
    Driver->PressKey(VK_ESCAPE);
    EXPECT_FALSE(Open(&TPopupProgram::LabelMenu));

    RightClick(At(&TPopupProgram::Plain, 20, 20));
    ASSERT_TRUE(Open(&TPopupProgram::FormMenu));
    EXPECT_EQ(OnUi<TComponent*>([&] { return Program.FormMenu->PopupComponent(); }), Program.Main);
    Driver->PressKey(VK_ESCAPE);
    EXPECT_EQ(Log(), (std::vector<std::string>{"label pops up", "form pops up"})) << "Esc chose nothing";

    Driver->RunOnUi([&] { Program.PanelMenu->SetAutoPopup(false); });
    RightClick(At(&TPopupProgram::Panel, 20, 20));
    EXPECT_FALSE(Open(&TPopupProgram::PanelMenu));
    EXPECT_TRUE(Open(&TPopupProgram::FormMenu)) << "without AutoPopup the request goes on to the parent";
    Driver->PressKey(VK_ESCAPE);
}

TEST_F(PopupMenuTest, ARightClickOnTheCaptionIsLeftToTheWindowsSystemMenu) {
    const TPoint caption = OnUi<TPoint>([&] {
        TRect r;
        GetWindowRect(Program.Main->Handle(), &r);
        return TPoint{r.Left + 60, r.Top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    });
    RightClick(caption);
    EXPECT_FALSE(Open(&TPopupProgram::FormMenu));
    const HMENU system = OnUi<HMENU>([&] { return GetSystemMenu(Program.Main->Handle(), FALSE); });
    EXPECT_TRUE(OnUi<bool>([&] { return PopupMenuWindow::FindShowing(system) != nullptr; }));
    Driver->PressKey(VK_ESCAPE);
}

TEST_F(PopupMenuTest, OnPopupMayChangeTheItemsBeforeTheMenuShows) {
    Driver->RunOnUi([&] {
        Program.PanelMenu->OnPopup = [&](TObject*) {
            Program.PanelMenu->Items()->Items(0)->SetVisible(false);
            Program.Item(Program.PanelMenu->Items(), "panel three");
        };
    });
    RightClick(At(&TPopupProgram::Panel, 40, 30));
    ASSERT_TRUE(Open(&TPopupProgram::PanelMenu));
    EXPECT_EQ(OnUi<int>([&] { return GetMenuItemCount(Program.PanelMenu->Handle()); }), 2);
    ClickItem(Handle(&TPopupProgram::PanelMenu), 1);
    EXPECT_EQ(Log(), std::vector<std::string>{"panel three"});
}

TEST_F(PopupMenuTest, FreedMenusAndControlsAreForgottenByWhatPointedAtThem) {
    RightClick(At(&TPopupProgram::Label, 20, 20));
    Driver->PressKey(VK_ESCAPE);
    Driver->RunOnUi([&] {
        delete Program.Label;
        EXPECT_EQ(Program.LabelMenu->PopupComponent(), nullptr);
        delete Program.PanelMenu;
        EXPECT_EQ(Program.Panel->PopupMenu(), nullptr);
        Program.PanelMenu = nullptr;
    });
    RightClick(At(&TPopupProgram::Panel, 20, 20));
    EXPECT_TRUE(Open(&TPopupProgram::FormMenu)) << "the panel's freed menu is not used";
    Driver->PressKey(VK_ESCAPE);
}

TEST_F(PopupMenuTest, OwnerDrawnPopupItemsKeepThePlainSizesUnlessTheyMeasureThemselves) {
    const TPoint p = At(&TPopupProgram::Panel, 40, 30);
    RightClick(p);
    const TRect plain = ItemRect(Handle(&TPopupProgram::PanelMenu), 0);
    Driver->PressKey(VK_ESCAPE);
    Driver->RunOnUi([&] {
        Program.PanelMenu->SetOwnerDraw(true);
        Program.PanelMenu->Items()->Items(1)->OnMeasureItem = [](TObject*, TCanvas*, int&, int& height) {
            height = 40;
        };
    });
    Driver->Advance(1000);
    RightClick(p);
    ASSERT_TRUE(Open(&TPopupProgram::PanelMenu));
    const TRect drawn = ItemRect(Handle(&TPopupProgram::PanelMenu), 0);
    EXPECT_EQ(drawn.Size(), plain.Size());
    EXPECT_EQ(ItemRect(Handle(&TPopupProgram::PanelMenu), 1).Height(), 40);
    ClickItem(Handle(&TPopupProgram::PanelMenu), 0);
    EXPECT_EQ(Log().back(), "panel one") << "owner-drawn items are chosen like plain ones";
}

TEST_F(PopupMenuTest, PopupFromCodeHonoursTheAlignment) {
    // Popup runs the menu loop until the menu closes, so it is called from a timer, not RunOnUi.
    Driver->RunOnUi([&] {
        Program.FormMenu->SetAlignment(paRight);
        auto* timer = new TTimer(Program.Main);
        timer->SetInterval(1);
        timer->OnTimer = [this, timer](TObject*) {
            timer->SetEnabled(false);
            Program.FormMenu->Popup(400, 300);
        };
    });
    Driver->Advance(10);
    ASSERT_TRUE(Open(&TPopupProgram::FormMenu));
    const TRect first = ItemRect(Handle(&TPopupProgram::FormMenu), 0);
    EXPECT_LE(std::abs(first.Right - 400), 4) << "the right edge at the point";
    Driver->PressKey(VK_ESCAPE);
}

TEST_F(PopupMenuTest, ABarDropDownIsUpdatedByItsItemBeforeItShows) {
    const HMENU bar = OnUi<HMENU>([&] { return Program.Bar->Handle(); });
    ClickItem(bar, 0);
    const HMENU game = OnUi<HMENU>([&] { return Program.Game->Handle(); });
    ASSERT_TRUE(OnUi<bool>([&] { return PopupMenuWindow::FindShowing(game) != nullptr; }));
    EXPECT_EQ(OnUi<std::string>([&] {
                  std::string text;
                  GetMenuString(game, 0, &text, MF_BYPOSITION);
                  return text;
              }),
              "&New game (updated)");
    ClickItem(game, 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"game opens", "New game (updated)"}));
}
