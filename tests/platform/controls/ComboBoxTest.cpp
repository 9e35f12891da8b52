// The combo box: items through the CB_ messages, the drop-down list by mouse and keys with the
// notifications in order, the editable and simple kinds, sizes and placement, owner drawing,
// colours and a procedure put in front of it.
#include "platform/controls/Brushes.h"
#include "platform/controls/ComboBoxCodes.h"
#include "platform/controls/EditCodes.h"
#include "platform/controls/ListBoxCodes.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "SelectionTestFixture.h"

namespace {
class ComboBoxTest : public SelectionTest {
protected:
    HWND Combo(DWORD style, int x = 10, int y = 10, int w = 150, int h = 21, int id = 7) {
        HWND c = Make(WC_COMBOBOX, style, x, y, w, h, id);
        for (const char* s : {"Classic", "Зима", "Весна", "Лето", "Осень"}) SendMessage(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        return c;
    }
    int Sel(HWND c) { return static_cast<int>(SendMessage(c, CB_GETCURSEL, 0, 0)); }
    bool Dropped(HWND c) { return SendMessage(c, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    COMBOBOXINFO Info(HWND c) {
        COMBOBOXINFO info;
        SendMessage(c, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }
    HWND ListOf(HWND c) { return Info(c).hwndList; }
    TPoint ItemInList(HWND c, int i) {
        TRect r;
        SendMessage(ListOf(c), LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return {r.Left + 5, (r.Top + r.Bottom) / 2};
    }
    TPoint ButtonCentre(HWND c) {
        TRect b = Info(c).rcButton;
        return {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
    }
};
}

TEST_F(ComboBoxTest, ItemMessagesWorkTheListAndSelectingByProgramShowsTheTextWithoutNotifying) {
    HWND c = Combo(CBS_DROPDOWNLIST | CBS_SORT);
    EXPECT_EQ(SendMessage(c, CB_GETCOUNT, 0, 0), 5);
    std::string text;
    EXPECT_EQ(SendMessage(c, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(&text)), 10);
    EXPECT_EQ(text, "Весна") << "sorted";
    EXPECT_EQ(SendMessage(c, CB_GETLBTEXTLEN, 9, 0), CB_ERR);
    EXPECT_EQ(SendMessage(c, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("ле")), 3);
    EXPECT_EQ(SendMessage(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("CLASSIC")), 0);
    EXPECT_EQ(SendMessage(c, CB_SETITEMDATA, 2, 77), CB_OKAY);
    EXPECT_EQ(SendMessage(c, CB_GETITEMDATA, 2, 0), 77);
    EXPECT_EQ(Sel(c), CB_ERR);
    EXPECT_EQ(SendMessage(c, CB_SETCURSEL, 4, 0), 4);
    EXPECT_EQ(GetWindowText(c), "Осень");
    EXPECT_EQ(SendMessage(c, CB_SETCURSEL, 9, 0), CB_ERR);
    EXPECT_EQ(Sel(c), 4);
    EXPECT_EQ(SendMessage(c, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("з")), 2);
    EXPECT_EQ(GetWindowText(c), "Зима");
    EXPECT_TRUE(SetWindowText(c, "лето"));
    EXPECT_EQ(Sel(c), 3) << "a selection field takes only an item's text";
    EXPECT_EQ(SendMessage(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("nothing")), CB_ERR);
    EXPECT_EQ(SendMessage(c, CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
    EXPECT_EQ(GetWindowText(c), "");
    EXPECT_EQ(SendMessage(c, CB_DELETESTRING, 0, 0), 4);
    SendMessage(c, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessage(c, CB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(CodesFrom(c).empty());
}

TEST_F(ComboBoxTest, AClickOpensTheListThePointerHighlightsAndAClickOnAnItemPicksIt) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    SendMessage(c, CB_SETCURSEL, 0, 0);
    Log.clear();
    ClickAt(c, {20, 10});
    ASSERT_TRUE(Dropped(c));
    HWND list = ListOf(c);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetClassName(list), WC_COMBOLBOX);
    EXPECT_EQ(GetFocus(), c) << "the list never takes the focus";
    TRect lr, cr;
    GetWindowRect(list, &lr);
    GetWindowRect(c, &cr);
    EXPECT_EQ(lr.Top, cr.Bottom) << "just below the combo box";
    EXPECT_EQ(lr.Left, cr.Left);
    MouseAt(list, ItemInList(c, 2));
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2) << "the pointer highlights";
    EXPECT_EQ(CodesFrom(c), (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN}));
    Log.clear();
    ClickAt(list, ItemInList(c, 3));
    EXPECT_FALSE(Dropped(c));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Sel(c), 3);
    EXPECT_EQ(GetWindowText(c), "Лето");
    EXPECT_EQ(CodesFrom(c), (std::vector<int>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST_F(ComboBoxTest, KeysOpenMoveTheHighlightAndPickWithEnterOrGiveUpWithEsc) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    SetFocus(c);
    Log.clear();
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Sel(c), 1) << "closed, the arrows change the selection";
    Key(VK_END);
    EXPECT_EQ(Sel(c), 4);
    Type("в");
    EXPECT_EQ(Sel(c), 2) << "typing jumps";
    EXPECT_EQ(CodesFrom(c), (std::vector<int>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
    Log.clear();
    Key(VK_F4);
    EXPECT_TRUE(Dropped(c));
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(CodesFrom(c), std::vector<int>{CBN_DROPDOWN}) << "moving in the open list tells nothing yet";
    Key(VK_RETURN);
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(Sel(c), 4);
    EXPECT_EQ(CodesFrom(c), (std::vector<int>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    Log.clear();
    Key(VK_DOWN, {VK_MENU});
    EXPECT_TRUE(Dropped(c));
    Key(VK_HOME);
    Key(VK_ESCAPE);
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(Sel(c), 4) << "Esc keeps the old selection";
    EXPECT_EQ(CodesFrom(c), (std::vector<int>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_EQ(SendMessage(c, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
}

TEST_F(ComboBoxTest, APressOutsideTheOpenListClosesItAndIsNotPassedOn) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    HWND other = Make(WC_LISTBOX, LBS_NOTIFY, 300, 10, 100, 100, 9);
    SendMessage(other, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(Dropped(c));
    Log.clear();
    ClickAt(other, {5, 5});
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(SendMessage(other, LB_GETCURSEL, 0, 0), LB_ERR) << "the press was the list's";
    EXPECT_EQ(CodesFrom(c), (std::vector<int>{CBN_SELENDCANCEL, CBN_CLOSEUP}));

    SetFocus(c);
    Key(VK_F4);
    ASSERT_TRUE(Dropped(c));
    SetFocus(other);
    EXPECT_FALSE(Dropped(c)) << "losing the focus closes it";
    EXPECT_EQ(CodesFrom(c).back(), CBN_KILLFOCUS);
}

TEST_F(ComboBoxTest, TheOpenListsScrollBarAndTheWheelScrollItWithoutClosingIt) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    for (int i = 0; i < 20; ++i) SendMessage(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("more"));
    SendMessage(c, CB_SETMINVISIBLE, 5, 0);
    SetFocus(c);
    Key(VK_F4);
    HWND list = ListOf(c);
    TRect lr;
    GetWindowRect(list, &lr);
    Input().MouseButton(TMouseButton::mbLeft, true, lr.Right - 5, lr.Bottom - 5); // the bar's down arrow
    Input().MouseButton(TMouseButton::mbLeft, false, lr.Right - 5, lr.Bottom - 5);
    Pump();
    EXPECT_TRUE(Dropped(c));
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 1);
    EXPECT_EQ(GetCapture(), list) << "the open list has the mouse again";
    Wheel(c, {5, 5}, -120);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX, 0, 0), 4);
    EXPECT_TRUE(Dropped(c));
    EXPECT_EQ(Sel(c), CB_ERR) << "scrolling picks nothing";
}

TEST_F(ComboBoxTest, AnEditableComboReportsTypingAndItsKeysStillWorkTheList) {
    HWND c = Combo(CBS_DROPDOWN);
    COMBOBOXINFO info = Info(c);
    ASSERT_NE(info.hwndItem, c);
    EXPECT_EQ(GetClassName(info.hwndItem), "Edit");
    Log.clear();
    SetFocus(c);
    EXPECT_EQ(GetFocus(), info.hwndItem) << "the focus goes on to the edit";
    Type("Ле");
    EXPECT_EQ(GetWindowText(c), "Ле");
    std::vector<int> codes = CodesFrom(c);
    EXPECT_EQ(codes.front(), CBN_SETFOCUS);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_EDITCHANGE), 2);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_EDITUPDATE), 2);
    Key(VK_F4);
    ASSERT_TRUE(Dropped(c));
    EXPECT_EQ(SendMessage(ListOf(c), LB_GETCURSEL, 0, 0), 3) << "the typed text finds its item";
    Key(VK_RETURN);
    EXPECT_EQ(GetWindowText(c), "Лето");
    EXPECT_EQ(Sel(c), 3);
    Log.clear();
    Key(VK_UP);
    EXPECT_EQ(GetWindowText(c), "Весна");
    EXPECT_EQ(CodesFrom(c), std::vector<int>{CBN_SELCHANGE}) << "no edit notifications for our own text";
    Key(VK_DOWN, {VK_MENU});
    EXPECT_TRUE(Dropped(c));
    Key(VK_ESCAPE);
    EXPECT_FALSE(Dropped(c));
    EXPECT_EQ(GetWindowText(c), "Весна");

    SendMessage(c, CB_LIMITTEXT, 3, 0);
    SetWindowText(c, "");
    Type("abcdef");
    EXPECT_EQ(GetWindowText(c), "abc");
    SendMessage(c, CB_SETEDITSEL, 0, MAKELPARAM(1, 2));
    DWORD from = 0, to = 0;
    SendMessage(c, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 1u);
    EXPECT_EQ(to, 2u);
    Log.clear();
    SetFocus(Host);
    EXPECT_EQ(CodesFrom(c), std::vector<int>{CBN_KILLFOCUS});
}

TEST_F(ComboBoxTest, ASimpleComboShowsItsListAlwaysAndReportsDoubleClicks) {
    HWND c = Combo(CBS_SIMPLE, 10, 10, 150, 120);
    HWND list = ListOf(c);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetParent(list), c);
    EXPECT_TRUE(Info(c).rcButton.IsEmpty());
    EXPECT_EQ(Info(c).stateButton, STATE_SYSTEM_INVISIBLE);
    Log.clear();
    ClickAt(list, ItemInList(c, 1));
    EXPECT_EQ(GetWindowText(c), "Зима");
    EXPECT_EQ(GetFocus(), Info(c).hwndItem);
    ClickAt(list, ItemInList(c, 1));
    std::vector<int> codes = CodesFrom(c);
    EXPECT_NE(std::find(codes.begin(), codes.end(), CBN_DBLCLK), codes.end());
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SELCHANGE), 2);
    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_FALSE(Dropped(c));
}

TEST_F(ComboBoxTest, HeightsWidthsAndTheListsPlaceFollowTheMessagesAndTheScreen) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessage(c, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20), CB_OKAY);
    TRect r;
    GetWindowRect(c, &r);
    EXPECT_EQ(r.Height(), 26) << "the field and its frame";
    EXPECT_EQ(SendMessage(c, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 20);
    SendMessage(c, CB_SETITEMHEIGHT, 0, 18);
    EXPECT_EQ(SendMessage(c, CB_GETITEMHEIGHT, 0, 0), 18);
    SendMessage(c, CB_SETMINVISIBLE, 3, 0);
    EXPECT_EQ(SendMessage(c, CB_SETDROPPEDWIDTH, 300, 0), 300);
    TRect drop;
    SendMessage(c, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&drop));
    EXPECT_EQ(drop.Height(), 3 * 18 + 2);
    EXPECT_EQ(drop.Width(), 300);

    HWND low = CreateWindowEx(0, "Rec", "low", WS_POPUP | WS_VISIBLE, 0, 900, 400, 100, nullptr, nullptr);
    HWND near = CreateWindowEx(0, WC_COMBOBOX, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 60, 150, 21, low, nullptr);
    for (int i = 0; i < 10; ++i) SendMessage(near, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    SendMessage(near, CB_SHOWDROPDOWN, TRUE, 0);
    TRect lr, cr;
    GetWindowRect(ListOf(near), &lr);
    GetWindowRect(near, &cr);
    EXPECT_EQ(lr.Bottom, cr.Top) << "no room below: it opens upward";
}

TEST_F(ComboBoxTest, OwnerDrawnFieldAndItemsAreDrawnByTheParentOnTheCombosBehalf) {
    std::vector<DRAWITEMSTRUCT> drawn;
    On(WM_DRAWITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
        r = TRUE;
        return true;
    });
    On(WM_MEASUREITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight = 24;
        r = TRUE;
        return true;
    });
    HWND c = Make(WC_COMBOBOX, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 10, 10, 150, 30, 12);
    for (LPARAM d : {5, 6}) SendMessage(c, CB_ADDSTRING, 0, d);
    SendMessage(c, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(SendMessage(c, CB_GETITEMHEIGHT, 0, 0), 24);
    SetFocus(c);
    drawn.clear();
    Pump();
    ASSERT_FALSE(drawn.empty());
    const DRAWITEMSTRUCT& field = drawn.back();
    EXPECT_EQ(field.CtlType, ODT_COMBOBOX);
    EXPECT_EQ(field.CtlID, 12u);
    EXPECT_EQ(field.hwndItem, c);
    EXPECT_EQ(field.itemID, 1u);
    EXPECT_EQ(field.itemData, 6u);
    EXPECT_EQ(field.itemState & (ODS_COMBOBOXEDIT | ODS_FOCUS), ODS_COMBOBOXEDIT | ODS_FOCUS);
    drawn.clear();
    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    std::erase_if(drawn, [](const DRAWITEMSTRUCT& d) { return d.itemState & ODS_COMBOBOXEDIT; });
    ASSERT_EQ(drawn.size(), 2u) << "the list's items";
    EXPECT_EQ(drawn[0].hwndItem, c);
    EXPECT_EQ(drawn[0].CtlType, ODT_COMBOBOX);
    EXPECT_EQ(drawn[1].itemState & ODS_SELECTED, ODS_SELECTED);
}

TEST_F(ComboBoxTest, TheListsColourQuestionReachesTheCombosParentNamingTheList) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    HWND asked = nullptr;
    On(WM_CTLCOLORLISTBOX, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        asked = reinterpret_cast<HWND>(l);
        r = reinterpret_cast<LRESULT>(CreateSolidBrush(RGB(200, 220, 240)));
        return true;
    });
    SendMessage(c, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = ListOf(c);
    TRect client;
    GetClientRect(list, &client);
    EXPECT_EQ(Pixel(list, client.Right - 2, client.Bottom - 2), RGB(200, 220, 240));
    EXPECT_EQ(asked, list);
}

TEST_F(ComboBoxTest, AProcedureInFrontSeesPaintAndInputAndTheListGoesWithTheCombo) {
    HWND c = Combo(CBS_DROPDOWNLIST);
    std::vector<UINT> seen;
    WNDPROC below;
    below = SetWindowProc(c, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        seen.push_back(m);
        if (m != WM_PAINT) return CallWindowProc(below, h, m, w, l);
        PAINTSTRUCT ps;
        BeginPaint(h, &ps)->FillRect({0, 0, 150, 21}, clFuchsia);
        EndPaint(h, &ps);
        return 0;
    });
    InvalidateRect(c, nullptr, TRUE);
    ClickAt(c, ButtonCentre(c));
    EXPECT_TRUE(Dropped(c));
    Key(VK_ESCAPE);
    Key(VK_DOWN);
    EXPECT_EQ(Sel(c), 0);
    for (UINT m : {WM_PAINT, WM_LBUTTONDOWN, WM_KEYDOWN, WM_SETFOCUS})
        EXPECT_NE(std::find(seen.begin(), seen.end(), m), seen.end()) << "message " << m;
    EXPECT_EQ(Pixel(c, 10, 10), ColorToRGB(clFuchsia));
    HWND list = ListOf(c);
    DestroyWindow(c);
    EXPECT_FALSE(IsWindow(list));
}
