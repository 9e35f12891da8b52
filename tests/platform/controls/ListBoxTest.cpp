// The list box: items and sorting, finding, selection by program, keys, type-ahead and mouse,
// multiple and extended selection, owner drawing, scrolling, notifications and a procedure put
// in front of it.
#include "platform/controls/Brushes.h"
#include "platform/controls/ListBoxCodes.h"
#include "platform/controls/OwnerDrawCodes.h"
#include "SelectionTestFixture.h"

namespace {
class ListBoxTest : public SelectionTest {
protected:
    HWND List(DWORD style, std::initializer_list<const char*> items = {}, int h = 100) {
        HWND lb = Make(WC_LISTBOX, style, 10, 10, 150, h);
        for (const char* s : items) Add(lb, s);
        return lb;
    }
    LRESULT Add(HWND lb, const char* s) { return SendMessage(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s)); }
    std::string Text(HWND lb, int i) {
        std::string s;
        return SendMessage(lb, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&s)) == LB_ERR ? "<err>" : s;
    }
    std::vector<std::string> Texts(HWND lb) {
        std::vector<std::string> out;
        for (int i = 0; i < SendMessage(lb, LB_GETCOUNT, 0, 0); ++i) out.push_back(Text(lb, i));
        return out;
    }
    LRESULT Find(HWND lb, UINT msg, int start, const char* s) { return SendMessage(lb, msg, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(s)); }
    int Sel(HWND lb) { return static_cast<int>(SendMessage(lb, LB_GETCURSEL, 0, 0)); }
    int Top(HWND lb) { return static_cast<int>(SendMessage(lb, LB_GETTOPINDEX, 0, 0)); }
    TRect ItemRect(HWND lb, int i) {
        TRect r;
        SendMessage(lb, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    TPoint ItemPoint(HWND lb, int i) {
        TRect r = ItemRect(lb, i);
        return {r.Left + 5, (r.Top + r.Bottom) / 2};
    }
    std::vector<int> Selected(HWND lb) {
        std::vector<int> out(SendMessage(lb, LB_GETCOUNT, 0, 0));
        out.resize(SendMessage(lb, LB_GETSELITEMS, out.size(), reinterpret_cast<LPARAM>(out.data())));
        return out;
    }
    std::vector<int> Codes(HWND lb) { return CodesFrom(lb); }
};
}

TEST_F(ListBoxTest, ItemsAreAddedInsertedAndDeletedAndASortedListIgnoresLetterCase) {
    HWND lb = List(LBS_SORT, {"груша", "banana", "Яблоко", "Apple", "ёж", "Ель", "cherry"});
    EXPECT_EQ(Texts(lb), (std::vector<std::string>{"Apple", "banana", "cherry", "груша", "Ель", "ёж", "Яблоко"}));
    EXPECT_EQ(Add(lb, "BANANA"), 2) << "after its equal";
    EXPECT_EQ(SendMessage(lb, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("zzz")), 0) << "inserting does not sort";
    EXPECT_EQ(SendMessage(lb, LB_INSERTSTRING, 99, reinterpret_cast<LPARAM>("x")), LB_ERR);
    EXPECT_EQ(SendMessage(lb, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("end")), 9);
    EXPECT_EQ(SendMessage(lb, LB_GETTEXTLEN, 5, 0), 10) << "bytes of UTF-8, as WM_GETTEXTLENGTH counts";
    EXPECT_EQ(SendMessage(lb, LB_GETTEXTLEN, 10, 0), LB_ERR);
    EXPECT_EQ(Text(lb, 10), "<err>");
    EXPECT_EQ(SendMessage(lb, LB_DELETESTRING, 0, 0), 9);
    EXPECT_EQ(SendMessage(lb, LB_DELETESTRING, 9, 0), LB_ERR);
    EXPECT_EQ(SendMessage(lb, LB_SETITEMDATA, 1, 0xBEEF), LB_OKAY);
    SendMessage(lb, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(SendMessage(lb, LB_GETITEMDATA, 0, 0), 0xBEEF) << "data moves with its item";
    EXPECT_EQ(SendMessage(lb, LB_GETITEMDATA, 20, 0), LB_ERR);
    SendMessage(lb, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessage(lb, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Add(lb, nullptr), 0) << "a null text is an empty item";
}

TEST_F(ListBoxTest, FindingStartsAfterTheGivenItemWrapsRoundAndSelectingMovesTheView) {
    HWND lb = List(LBS_NOTIFY, {"Apple", "apricot", "Banana", "apple"}, 30);
    EXPECT_EQ(Find(lb, LB_FINDSTRING, -1, "AP"), 0);
    EXPECT_EQ(Find(lb, LB_FINDSTRING, 0, "ap"), 1);
    EXPECT_EQ(Find(lb, LB_FINDSTRING, 3, "ap"), 0) << "wraps round";
    EXPECT_EQ(Find(lb, LB_FINDSTRING, -1, "cherry"), LB_ERR);
    EXPECT_EQ(Find(lb, LB_FINDSTRINGEXACT, 0, "APPLE"), 3);
    EXPECT_EQ(Find(lb, LB_FINDSTRINGEXACT, -1, "app"), LB_ERR);
    EXPECT_EQ(Find(lb, LB_SELECTSTRING, -1, "ban"), 2);
    EXPECT_EQ(Sel(lb), 2);
    EXPECT_GT(Top(lb), 0) << "scrolled to show it";
    EXPECT_TRUE(Codes(lb).empty()) << "selecting by program sends no notification";

    HWND data = List(LBS_OWNERDRAWFIXED, {});
    SendMessage(data, LB_ADDSTRING, 0, 111);
    SendMessage(data, LB_ADDSTRING, 0, 222);
    EXPECT_EQ(SendMessage(data, LB_FINDSTRING, static_cast<WPARAM>(-1), 222), 1) << "without strings the data is searched";
    EXPECT_EQ(SendMessage(data, LB_GETITEMDATA, 0, 0), 111);
}

TEST_F(ListBoxTest, SetCurSelSelectsOneItemClearsWithMinusOneAndRefusesBadIndexes) {
    HWND lb = List(LBS_NOTIFY, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 50);
    EXPECT_EQ(Sel(lb), LB_ERR);
    EXPECT_EQ(SendMessage(lb, LB_SETCURSEL, 8, 0), 8);
    EXPECT_EQ(Sel(lb), 8);
    TRect client;
    GetClientRect(lb, &client);
    EXPECT_LE(ItemRect(lb, 8).Bottom, client.Bottom) << "shown whole";
    EXPECT_EQ(SendMessage(lb, LB_GETSEL, 8, 0), 1);
    EXPECT_EQ(SendMessage(lb, LB_SETCURSEL, 10, 0), LB_ERR);
    EXPECT_EQ(Sel(lb), 8);
    EXPECT_EQ(SendMessage(lb, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(Sel(lb), LB_ERR);
    SendMessage(lb, LB_SETCURSEL, 3, 0);
    SendMessage(lb, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("new"));
    EXPECT_EQ(Sel(lb), 4) << "the selection stays on its item";
    SendMessage(lb, LB_DELETESTRING, 4, 0);
    EXPECT_EQ(Sel(lb), LB_ERR);
    EXPECT_EQ(SendMessage(lb, LB_SETSEL, TRUE, 1), LB_ERR) << "single selection";
    EXPECT_EQ(SendMessage(lb, LB_GETSELCOUNT, 0, 0), LB_ERR);
    EXPECT_TRUE(Codes(lb).empty());
}

TEST_F(ListBoxTest, ItemsStackFromTheTopIndexWhichStopsWhenTheLastItemShows) {
    HWND lb = List(0, {"a", "b", "c", "d", "e", "f", "g", "h"}, 50);
    int h = static_cast<int>(SendMessage(lb, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(h, Font::Default()->Metrics().tmHeight);
    EXPECT_EQ(ItemRect(lb, 2), (TRect{0, 2 * h, 150, 3 * h}));
    EXPECT_EQ(SendMessage(lb, LB_SETITEMHEIGHT, 0, 10), LB_OKAY);
    EXPECT_EQ(SendMessage(lb, LB_SETITEMHEIGHT, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessage(lb, LB_SETTOPINDEX, 2, 0), LB_OKAY);
    EXPECT_EQ(ItemRect(lb, 2).Top, 0);
    EXPECT_EQ(ItemRect(lb, 0).Top, -20);
    SendMessage(lb, LB_SETTOPINDEX, 7, 0);
    EXPECT_EQ(Top(lb), 3) << "five items of 10 fill the 50 pixels";
    EXPECT_EQ(SendMessage(lb, LB_SETTOPINDEX, 8, 0), LB_ERR);
    LRESULT hit = SendMessage(lb, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 25));
    EXPECT_EQ(LOWORD(hit), 5);
    EXPECT_EQ(HIWORD(hit), 0);
    hit = SendMessage(lb, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 200));
    EXPECT_EQ(HIWORD(hit), 1) << "outside";
    EXPECT_EQ(LOWORD(hit), 7) << "the nearest item";

    TLogFont big;
    big.Height = -20;
    HFONT font = Font::Get(big);
    SendMessage(lb, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(SendMessage(lb, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    EXPECT_EQ(SendMessage(lb, LB_GETITEMHEIGHT, 0, 0), font->Metrics().tmHeight) << "the rows follow the font";
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndNotifyOnlyChangesAndOnlyWithLbsNotify) {
    HWND lb = List(LBS_NOTIFY, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 50);
    SetFocus(lb);
    Log.clear();
    Key(VK_DOWN);
    EXPECT_EQ(Sel(lb), 0) << "the first arrow selects the caret's item";
    Key(VK_DOWN);
    Key(VK_END);
    EXPECT_EQ(Sel(lb), 9);
    EXPECT_GT(Top(lb), 0);
    EXPECT_LE(ItemRect(lb, 9).Bottom, 50) << "scrolled along to show it whole";
    Key(VK_END);
    Key(VK_PRIOR);
    EXPECT_LT(Sel(lb), 9);
    Key(VK_HOME);
    EXPECT_EQ(Sel(lb), 0);
    Key(VK_UP);
    EXPECT_EQ(Codes(lb), (std::vector<int>{LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}));
    EXPECT_EQ(SendMessage(lb, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);

    HWND quiet = List(0, {"a", "b"});
    SetFocus(quiet);
    Log.clear();
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Sel(quiet), 1);
    EXPECT_TRUE(Codes(quiet).empty());
}

TEST_F(ListBoxTest, TypingJumpsToTheNextItemByItsFirstLettersInAnyCase) {
    HWND lb = List(LBS_NOTIFY, {"Berry", "apple", "Avocado", "banana", "Apricot", "Яблоко"});
    SetFocus(lb);
    Type("a");
    EXPECT_EQ(Sel(lb), 1);
    Type("a");
    EXPECT_EQ(Sel(lb), 2) << "the same letter again steps on";
    Advance(2000);
    Type("b");
    EXPECT_EQ(Sel(lb), 3);
    Type("e");
    EXPECT_EQ(Sel(lb), 0) << "'be' within the pause: a longer prefix";
    Advance(2000);
    Type("я");
    EXPECT_EQ(Sel(lb), 5);
    Advance(2000);
    Type("q");
    EXPECT_EQ(Sel(lb), 5) << "nothing begins with q";
    std::vector<int> codes = Codes(lb);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), LBN_SELCHANGE), 5);
}

TEST_F(ListBoxTest, MouseSelectsTellsTheParentOnReleaseAndReportsDoubleClicksAndFocus) {
    HWND other = List(0, {}, 30);
    MoveWindow(other, 200, 10, 50, 30, TRUE);
    HWND lb = List(LBS_NOTIFY, {"a", "b", "c", "d"});
    SetFocus(other);
    Log.clear();
    Press(lb, ItemPoint(lb, 1), true);
    EXPECT_EQ(Sel(lb), 1);
    EXPECT_EQ(GetFocus(), lb);
    EXPECT_EQ(Codes(lb), std::vector<int>{LBN_SETFOCUS});
    MouseAt(lb, ItemPoint(lb, 3));
    EXPECT_EQ(Sel(lb), 3) << "dragging moves the selection";
    Press(lb, ItemPoint(lb, 3), false);
    EXPECT_EQ(GetCapture(), nullptr);
    ClickAt(lb, ItemPoint(lb, 0));
    ClickAt(lb, ItemPoint(lb, 0));
    EXPECT_EQ(Codes(lb), (std::vector<int>{LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_DBLCLK, LBN_SELCHANGE}));
    SetFocus(other);
    EXPECT_EQ(Codes(lb).back(), LBN_KILLFOCUS);
}

TEST_F(ListBoxTest, MultipleSelectionTogglesAndExtendedSelectionTakesRangesWithShiftAndItemsWithCtrl) {
    HWND multi = List(LBS_MULTIPLESEL, {"a", "b", "c", "d", "e"});
    ClickAt(multi, ItemPoint(multi, 1));
    ClickAt(multi, ItemPoint(multi, 3));
    ClickAt(multi, ItemPoint(multi, 1));
    EXPECT_EQ(Selected(multi), std::vector<int>{3});
    Key(VK_DOWN);
    Key(VK_SPACE);
    EXPECT_EQ(Selected(multi), (std::vector<int>{2, 3})) << "arrows move the caret, space marks";
    EXPECT_EQ(Sel(multi), 2) << "LB_GETCURSEL answers the caret";
    EXPECT_EQ(SendMessage(multi, LB_SETCURSEL, 0, 0), LB_ERR);
    SendMessage(multi, LB_SETSEL, TRUE, static_cast<LPARAM>(-1));
    EXPECT_EQ(SendMessage(multi, LB_GETSELCOUNT, 0, 0), 5);

    HWND ext = List(LBS_EXTENDEDSEL, {"a", "b", "c", "d", "e", "f"});
    MoveWindow(ext, 200, 10, 150, 100, TRUE);
    ClickAt(ext, ItemPoint(ext, 1));
    Input().Key(VK_SHIFT, true);
    ClickAt(ext, ItemPoint(ext, 3));
    Input().Key(VK_SHIFT, false);
    EXPECT_EQ(Selected(ext), (std::vector<int>{1, 2, 3}));
    Input().Key(VK_CONTROL, true);
    ClickAt(ext, ItemPoint(ext, 5));
    ClickAt(ext, ItemPoint(ext, 2));
    Input().Key(VK_CONTROL, false);
    EXPECT_EQ(Selected(ext), (std::vector<int>{1, 3, 5}));
    Key(VK_DOWN, {VK_SHIFT});
    EXPECT_EQ(Selected(ext), (std::vector<int>{2, 3})) << "a shifted arrow selects from the anchor";
    ClickAt(ext, ItemPoint(ext, 0));
    EXPECT_EQ(Selected(ext), std::vector<int>{0});
}

TEST_F(ListBoxTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheParent) {
    std::vector<MEASUREITEMSTRUCT> measured;
    std::vector<DRAWITEMSTRUCT> drawn;
    On(WM_MEASUREITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        measured.push_back(*mis);
        mis->itemHeight = 20 + 5 * mis->itemID;
        r = TRUE;
        return true;
    });
    On(WM_DRAWITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
        r = TRUE;
        return true;
    });
    HWND fixed = List(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, {"a", "b"});
    ASSERT_EQ(measured.size(), 1u) << "one measure for all";
    EXPECT_EQ(measured[0].CtlType, ODT_LISTBOX);
    EXPECT_EQ(SendMessage(fixed, LB_GETITEMHEIGHT, 0, 0), 20);
    EXPECT_EQ(Text(fixed, 1), "b");

    measured.clear();
    HWND var = List(LBS_OWNERDRAWVARIABLE, {});
    MoveWindow(var, 200, 10, 150, 100, TRUE);
    for (LPARAM data : {10, 20, 30}) SendMessage(var, LB_ADDSTRING, 0, data);
    ASSERT_EQ(measured.size(), 3u);
    EXPECT_EQ(measured[2].itemData, 30u);
    EXPECT_EQ(ItemRect(var, 2), (TRect{0, 45, 150, 75}));
    EXPECT_EQ(SendMessage(var, LB_GETITEMHEIGHT, 1, 0), 25);
    SendMessage(var, LB_SETCURSEL, 1, 0);
    SetFocus(var);
    drawn.clear();
    Pump();
    std::erase_if(drawn, [&](const DRAWITEMSTRUCT& d) { return d.hwndItem != var; });
    ASSERT_EQ(drawn.size(), 3u);
    for (const DRAWITEMSTRUCT& d : drawn) {
        EXPECT_EQ(d.hwndItem, var);
        EXPECT_EQ(d.CtlID, 7u);
        EXPECT_EQ(d.itemData, (d.itemID + 1) * 10);
        EXPECT_EQ(d.rcItem, ItemRect(var, static_cast<int>(d.itemID)));
        EXPECT_EQ((d.itemState & ODS_SELECTED) != 0, d.itemID == 1);
        EXPECT_EQ((d.itemState & ODS_FOCUS) != 0, d.itemID == 1);
    }
}

TEST_F(ListBoxTest, TheWindowsScrollBarAndTheWheelMoveTheTopIndex) {
    HWND lb = Make(WC_LISTBOX, WS_VSCROLL, 10, 10, 150, 10 * 13);
    for (int i = 0; i < 30; ++i) Add(lb, ("item " + std::to_string(i)).c_str());
    SendMessage(lb, LB_SETITEMHEIGHT, 0, 13);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(lb, SB_VERT, &si));
    EXPECT_EQ(si.nMax, 29);
    EXPECT_EQ(si.nPage, 10u);
    SendMessage(lb, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessage(lb, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Top(lb), 11);
    GetScrollInfo(lb, SB_VERT, &si);
    EXPECT_EQ(si.nPos, 11) << "the bar follows";
    SendMessage(lb, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Top(lb), 20);
    SetFocus(lb);
    Wheel(lb, {10, 10}, 120);
    EXPECT_EQ(Top(lb), 17);
    Wheel(lb, {10, 10}, -1200);
    EXPECT_EQ(Top(lb), 20);
    SendMessage(lb, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(GetWindowLongPtr(lb, GWL_STYLE) & WS_VSCROLL, 0) << "nothing to scroll: the bar goes";
    for (int i = 0; i < 30; ++i) Add(lb, "again");
    EXPECT_NE(GetWindowLongPtr(lb, GWL_STYLE) & WS_VSCROLL, 0) << "and comes back";
}

TEST_F(ListBoxTest, SelectedItemsAreHighlightedAndTheParentMayChooseTheColours) {
    HWND lb = List(0, {"a", "b"});
    SendMessage(lb, LB_SETCURSEL, 1, 0);
    TRect second = ItemRect(lb, 1);
    EXPECT_EQ(Pixel(lb, second.Right - 3, second.Top + 1), ColorToRGB(clHighlight));
    EXPECT_EQ(Pixel(lb, second.Right - 3, ItemRect(lb, 0).Top + 1), ColorToRGB(clWindow));
    On(WM_CTLCOLORLISTBOX, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        EXPECT_EQ(reinterpret_cast<HWND>(l), lb);
        r = reinterpret_cast<LRESULT>(CreateSolidBrush(RGB(1, 2, 3)));
        return true;
    });
    InvalidateRect(lb, nullptr, TRUE);
    EXPECT_EQ(Pixel(lb, 100, 90), RGB(1, 2, 3));
}

TEST_F(ListBoxTest, AProcedureInFrontSeesPaintAndInputAndCanReplaceThePainting) {
    HWND lb = List(LBS_NOTIFY, {"a", "b", "c"});
    std::vector<UINT> seen;
    WNDPROC below;
    below = SetWindowProc(lb, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        seen.push_back(m);
        if (m != WM_PAINT) return CallWindowProc(below, h, m, w, l);
        PAINTSTRUCT ps;
        BeginPaint(h, &ps)->FillRect({0, 0, 150, 100}, clFuchsia);
        EndPaint(h, &ps);
        return 0;
    });
    InvalidateRect(lb, nullptr, TRUE);
    ClickAt(lb, ItemPoint(lb, 1));
    Key(VK_DOWN);
    EXPECT_EQ(Sel(lb), 2);
    for (UINT m : {WM_PAINT, WM_LBUTTONDOWN, WM_KEYDOWN})
        EXPECT_NE(std::find(seen.begin(), seen.end(), m), seen.end()) << "message " << m;
    TRect r = ItemRect(lb, 2);
    EXPECT_EQ(Pixel(lb, r.Right - 3, r.Top + 1), ColorToRGB(clFuchsia)) << "no painting outside WM_PAINT";
    RemoveWindowProc(lb, below);
}
