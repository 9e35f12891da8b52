// The menu loop driven as a user would: the bar and its drop-downs by mouse and keyboard, nested
// submenus, closing, popup menus with their flags, the system menu, and the messages the owner
// receives on the way.
#include "MenuTestProgram.h"
#include "platform/controls/MenuTracker.h"
#include "platform/controls/PopupMenuWindow.h"

TEST_F(MenuDriverTest, ClickingABarItemOpensItsDropDownAndAnItemSendsItsCommandOnce) {
    ClickItem(App.Bar, 0);
    ASSERT_EQ(OpenMenus(), std::vector<HMENU>{App.File});
    EXPECT_EQ(HiliteOf(App.Bar), 0);
    ClickItem(App.File, 1);
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_EQ(Commands(), std::vector<UINT>{kIdOpen});
    EXPECT_EQ(HiliteOf(App.Bar), -1) << "the bar item lets go when the menu closes";
    // The owner heard the loop begin and end around the drop-down, in order.
    std::vector<UINT> order;
    for (const TMenuMessage& m : OnUi<std::vector<TMenuMessage>>([&] { return App.Log; }))
        if (m.Msg != WM_MENUSELECT && m.Msg != WM_SYSCOMMAND) order.push_back(m.Msg);
    std::vector<UINT> expected{WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_UNINITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND};
    EXPECT_EQ(order, expected);
    auto init = Messages(WM_INITMENUPOPUP);
    ASSERT_EQ(init.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HMENU>(init[0].WParam), App.File);
    EXPECT_EQ(HIWORD(init[0].LParam), 0) << "not the system menu";
    EXPECT_EQ(Messages(WM_ENTERMENULOOP)[0].WParam, static_cast<WPARAM>(FALSE)) << "entered from the bar";
    auto select = Messages(WM_MENUSELECT);
    ASSERT_FALSE(select.empty());
    EXPECT_EQ(HIWORD(select.back().WParam), 0xFFFF) << "the last selection message says the menu closed";
}

TEST_F(MenuDriverTest, BarCommandsActOnReleaseAndMovingAlongTheBarSwitchesDropDowns) {
    ClickItem(App.Bar, 2);
    EXPECT_EQ(Commands(), std::vector<UINT>{kIdHelp});
    ClearLog();
    ClickItem(App.Bar, 0);
    TPoint edit = ItemCentre(App.Bar, 1);
    Driver->MouseMove(edit.X, edit.Y);
    EXPECT_EQ(OpenMenus(), std::vector<HMENU>{App.Edit});
    // Clicking the open bar item again closes the menu without a command.
    Driver->Click(edit.X, edit.Y);
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_TRUE(Commands().empty());
}

TEST_F(MenuDriverTest, AnOutsideClickClosesTheMenuAndIsConsumed) {
    ClickItem(App.Bar, 0);
    ClearLog();
    Driver->Click(300, 300); // the main window's client area
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_TRUE(Messages(WM_LBUTTONDOWN).empty()) << "the closing click goes nowhere";
    EXPECT_TRUE(Commands().empty());
    Driver->Click(300, 300);
    EXPECT_EQ(Messages(WM_LBUTTONDOWN).size(), 1u) << "the next click reaches the window again";
}

TEST_F(MenuDriverTest, SubmenusOpenOnHoverAfterTheDelayAndDisabledItemsSendNothing) {
    ClickItem(App.Bar, 0);
    TPoint recent = ItemCentre(App.File, 3);
    Driver->MouseMove(recent.X, recent.Y);
    EXPECT_EQ(OpenMenus().size(), 1u) << "not before the delay";
    Driver->Advance(MenuTracker::kOpenDelayMs);
    ASSERT_EQ(OpenMenus(), (std::vector<HMENU>{App.File, App.Recent}));
    TRect file = OnUi<TRect>([&] { TRect r; GetMenuItemRect(App.Main, App.File, 3, &r); return r; });
    TRect two = OnUi<TRect>([&] { TRect r; GetMenuItemRect(App.Main, App.Recent, 1, &r); return r; });
    EXPECT_GE(two.Left, file.Right - 3) << "the submenu opens right of its item";
    ClickItem(App.File, 4); // disabled: nothing happens, the menu stays
    EXPECT_EQ(OpenMenus().size(), 1u) << "moving to another item closed the submenu";
    EXPECT_TRUE(Commands().empty());
    ClickItem(App.File, 3); // a click opens a submenu at once
    ClickItem(App.Recent, 1);
    EXPECT_EQ(Commands(), std::vector<UINT>{kIdTwo});
}

TEST_F(MenuDriverTest, AltEntersTheBarAndArrowsEnterAndEscLeave) {
    Driver->PressKey(VK_MENU);
    EXPECT_EQ(HiliteOf(App.Bar), 0) << "Alt makes the first item hot";
    EXPECT_TRUE(OpenMenus().empty());
    Driver->PressKey(VK_LEFT);
    EXPECT_EQ(HiliteOf(App.Bar), 2) << "Left wraps to the last item";
    Driver->PressKey(VK_RIGHT);
    Driver->PressKey(VK_DOWN);
    ASSERT_EQ(OpenMenus(), std::vector<HMENU>{App.File});
    EXPECT_EQ(HiliteOf(App.File), 0) << "Down opens with the first item selected";
    Driver->PressKey(VK_UP);
    EXPECT_EQ(HiliteOf(App.File), 6) << "Up wraps, skipping the separator at the end";
    Driver->PressKey(VK_UP);
    EXPECT_EQ(HiliteOf(App.File), 3) << "the disabled item and the separator are skipped";
    Driver->PressKey(VK_RIGHT);
    ASSERT_EQ(OpenMenus().size(), 2u);
    EXPECT_EQ(HiliteOf(App.Recent), 0);
    Driver->PressKey(VK_LEFT);
    EXPECT_EQ(OpenMenus().size(), 1u) << "Left closes the submenu";
    Driver->PressKey(VK_RIGHT);
    Driver->PressKey(VK_ESCAPE);
    EXPECT_EQ(OpenMenus().size(), 1u);
    Driver->PressKey(VK_ESCAPE);
    EXPECT_TRUE(OpenMenus().empty());
    EXPECT_EQ(HiliteOf(App.Bar), 0) << "the bar stays entered";
    Driver->PressKey(VK_ESCAPE);
    EXPECT_EQ(HiliteOf(App.Bar), -1);
    EXPECT_EQ(Messages(WM_EXITMENULOOP).size(), 1u);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(MenuDriverTest, MnemonicsOpenAndChooseAndEnterChoosesTheSelection) {
    Driver->PressKey('E', {VK_MENU});
    ASSERT_EQ(OpenMenus(), std::vector<HMENU>{App.Edit});
    Driver->Type("c");
    EXPECT_EQ(Commands(), std::vector<UINT>{kIdCopy});
    ClearLog();
    Driver->PressKey(VK_F10);
    Driver->PressKey(VK_RETURN);
    ASSERT_EQ(OpenMenus(), std::vector<HMENU>{App.File});
    Driver->Type("r");
    EXPECT_EQ(OpenMenus().size(), 2u) << "a mnemonic on a submenu item opens it";
    Driver->PressKey(VK_DOWN);
    Driver->PressKey(VK_RETURN);
    EXPECT_EQ(Commands(), std::vector<UINT>{kIdTwo});
    ClearLog();
    Driver->PressKey('H', {VK_MENU});
    EXPECT_EQ(Commands(), std::vector<UINT>{kIdHelp}) << "Alt+letter of a bar command acts at once";
}

TEST_F(MenuDriverTest, TrackPopupMenuReturnsTheCommandOrPostsItAndEndMenuCancels) {
    HMENU context = OnUi<HMENU>([] {
        HMENU m = CreatePopupMenu();
        AppendMenu(m, MF_STRING, 7, "&Seven");
        AppendMenu(m, MF_STRING, 8, "&Eight");
        return m;
    });
    UINT result = 1;
    // The popup runs its own loop inside a posted message; the test acts from outside.
    App.Handlers[WM_APP] = [&](HWND h, WPARAM flags, LPARAM) -> LRESULT {
        result = static_cast<UINT>(TrackPopupMenu(context, static_cast<UINT>(flags), 1270, 1000, 0, h, nullptr));
        return 0;
    };
    Driver->RunOnUi([&] { PostMessage(App.Main, WM_APP, TPM_RETURNCMD | TPM_RIGHTALIGN, 0); });
    Driver->WaitIdle();
    ASSERT_EQ(OpenMenus(), std::vector<HMENU>{context});
    TRect shown = OnUi<TRect>([&] {
        TRect r;
        GetWindowRect(PopupMenuWindow::FindShowing(context), &r);
        return r;
    });
    TRect work = OnUi<TRect>([] { TRect r; SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0); return r; });
    EXPECT_LE(shown.Right, 1270) << "right-aligned to the point";
    EXPECT_LE(shown.Bottom, work.Bottom) << "lifted into the work area";
    ClickItem(context, 1);
    EXPECT_EQ(OnUi<UINT>([&] { return result; }), 8u);
    EXPECT_TRUE(Commands().empty()) << "TPM_RETURNCMD sends no WM_COMMAND";

    Driver->RunOnUi([&] { PostMessage(App.Main, WM_APP, 0, 0); });
    Driver->WaitIdle();
    ClickItem(context, 0);
    EXPECT_EQ(OnUi<UINT>([&] { return result; }), static_cast<UINT>(TRUE));
    EXPECT_EQ(Commands(), std::vector<UINT>{7});

    ClearLog();
    App.Handlers[WM_ENTERIDLE] = [&](HWND, WPARAM reason, LPARAM) -> LRESULT {
        if (reason == MSGF_MENU) EndMenu();
        return 0;
    };
    Driver->RunOnUi([&] { PostMessage(App.Main, WM_APP, TPM_RETURNCMD, 0); });
    Driver->WaitIdle();
    EXPECT_TRUE(OpenMenus().empty()) << "EndMenu from the idle message closed it";
    EXPECT_EQ(OnUi<UINT>([&] { return result; }), 0u);
    App.Handlers.erase(WM_ENTERIDLE);
    ClearLog();
    Driver->RunOnUi([&] { PostMessage(App.Main, WM_APP, TPM_NONOTIFY, 0); });
    Driver->WaitIdle();
    ClickItem(context, 0);
    EXPECT_TRUE(Commands().empty()) << "TPM_NONOTIFY sends nothing";
    EXPECT_TRUE(Messages(WM_INITMENUPOPUP).empty());
    Driver->RunOnUi([&] { DestroyMenu(context); });
}

TEST_F(MenuDriverTest, TheSystemMenuFollowsTheWindowStateAndSendsSystemCommands) {
    Driver->RunOnUi([&] { ShowWindow(App.Main, SW_MAXIMIZE); });
    Driver->PressKey(VK_SPACE, {VK_MENU});
    std::vector<HMENU> open = OpenMenus();
    ASSERT_EQ(open.size(), 1u);
    HMENU sys = open[0];
    EXPECT_EQ(sys, OnUi<HMENU>([&] { return GetSystemMenu(App.Main, FALSE); }));
    auto enabled = [&](UINT id) { return OnUi<bool>([&] { return !(GetMenuState(sys, id, MF_BYCOMMAND) & MF_GRAYED); }); };
    EXPECT_TRUE(enabled(SC_RESTORE));
    EXPECT_FALSE(enabled(SC_MOVE));
    EXPECT_FALSE(enabled(SC_SIZE));
    EXPECT_FALSE(enabled(SC_MAXIMIZE));
    EXPECT_TRUE(enabled(SC_MINIMIZE));
    auto init = Messages(WM_INITMENUPOPUP);
    ASSERT_EQ(init.size(), 1u);
    EXPECT_EQ(HIWORD(init[0].LParam), 1) << "flagged as the system menu";
    EXPECT_EQ(HiliteOf(sys), 0) << "opened from the keyboard with the first item selected";
    Driver->Type("r");
    auto sysCommands = Messages(WM_SYSCOMMAND);
    ASSERT_FALSE(sysCommands.empty());
    EXPECT_EQ(sysCommands.back().WParam & 0xFFF0, SC_RESTORE);
    EXPECT_FALSE(OnUi<bool>([&] { return IsZoomed(App.Main) != FALSE; }));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(MenuDriverTest, MenuSelectNamesCommandsByIdAndSubmenusByPosition) {
    ClickItem(App.Bar, 0);
    ClearLog();
    TPoint open = ItemCentre(App.File, 1), recent = ItemCentre(App.File, 3);
    Driver->MouseMove(open.X, open.Y);
    auto select = Messages(WM_MENUSELECT);
    ASSERT_EQ(select.size(), 1u);
    EXPECT_EQ(LOWORD(select[0].WParam), kIdOpen);
    EXPECT_FALSE(HIWORD(select[0].WParam) & MF_POPUP);
    EXPECT_EQ(reinterpret_cast<HMENU>(select[0].LParam), App.File);
    Driver->MouseMove(recent.X, recent.Y);
    select = Messages(WM_MENUSELECT);
    ASSERT_EQ(select.size(), 2u);
    EXPECT_EQ(LOWORD(select[1].WParam), 3) << "a submenu item is named by its position";
    EXPECT_TRUE(HIWORD(select[1].WParam) & MF_POPUP);
    TPoint separator = ItemCentre(App.File, 2);
    Driver->MouseMove(separator.X, separator.Y);
    EXPECT_EQ(Messages(WM_MENUSELECT).size(), 2u) << "separators are never selected";
    EXPECT_EQ(HiliteOf(App.File), 3);
    Driver->PressKey(VK_ESCAPE);
    Driver->PressKey(VK_ESCAPE);
}

TEST_F(MenuDriverTest, TheCaptionIconOpensTheSystemMenuAndCloseClosesTheWindow) {
    TRect window = OnUi<TRect>([&] { TRect r; GetWindowRect(App.Main, &r); return r; });
    TPoint icon{window.Left + 12, window.Top + 13};
    ASSERT_EQ(OnUi<LRESULT>([&] { return SendMessage(App.Main, WM_NCHITTEST, 0, PointToLParam(icon)); }), HTSYSMENU);
    Driver->Click(icon.X, icon.Y);
    std::vector<HMENU> open = OpenMenus();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(HiliteOf(open[0]), -1) << "opened by the mouse: nothing selected yet";
    int close = OnUi<int>([&] { return GetMenuItemCount(open[0]) - 1; });
    EXPECT_EQ(OnUi<UINT>([&] { return GetMenuItemID(open[0], close); }), SC_CLOSE);
    TPoint at = ItemCentre(open[0], close);
    Driver->Click(at.X, at.Y);
    ASSERT_TRUE(Driver->Finished()) << "the window closed and the program ended";
    // The UI thread is over: its record can be read directly.
    std::vector<TMenuMessage> sys;
    std::copy_if(App.Log.begin(), App.Log.end(), std::back_inserter(sys), [](const TMenuMessage& m) { return m.Msg == WM_SYSCOMMAND; });
    ASSERT_FALSE(sys.empty());
    EXPECT_EQ(sys.back().WParam, SC_CLOSE);
    EXPECT_EQ(LParamToPoint(sys.back().LParam), at) << "chosen with the mouse: the pointer position comes along";
}
