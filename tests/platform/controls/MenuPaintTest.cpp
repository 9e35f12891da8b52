// Menu painting and layout on the test thread: the popup window's paint messages and a procedure
// put in front of it, owner-drawn items in popups and in the bar, and the bar's rows.
#include "platform/controls/MenuApi.h"
#include "platform/controls/MenuModule.h"
#include "platform/controls/PopupMenuWindow.h"
#include "tests/platform/window/WindowTestFixture.h"

namespace {
class MenuPaintTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterMenuControls();
    }
    HWND ShowPopup(HMENU menu, HWND owner, TPoint at) {
        HWND popup = PopupMenuWindow::Create(menu, owner);
        SetWindowPos(popup, HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        UpdateWindow(popup);
        return popup;
    }
    TColor ScreenPixel(TPoint p) {
        Bitmap screen = CaptureScreen();
        DeviceContext dc(&screen);
        return dc.GetPixel(p.X, p.Y);
    }
    TRect ItemRect(HWND owner, HMENU menu, int i) {
        TRect r;
        EXPECT_TRUE(GetMenuItemRect(owner, menu, static_cast<UINT>(i), &r));
        return r;
    }
};

UINT_PTR Sub(HMENU m) {
    return reinterpret_cast<UINT_PTR>(m);
}
}

TEST_F(MenuPaintTest, PopupWindowPaintsItemsInItsOwnMessagesAndAProcedureInFrontCanReplaceThem) {
    HWND owner = Top("Owner", 50, 50, 300, 200);
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 1, "First");
    AppendMenu(menu, MF_STRING | MF_HILITE, 2, "Second");
    HWND plain = ShowPopup(menu, owner, {400, 100});
    EXPECT_EQ(GetClassName(plain), "#32768");
    EXPECT_FALSE(GetWindowLongPtr(plain, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_NE(GetActiveWindow(), plain) << "a menu never takes activation";
    TRect first = ItemRect(owner, menu, 0), second = ItemRect(owner, menu, 1);
    EXPECT_EQ(ScreenPixel({first.Left + 2, first.Top + 2}), ColorToRGB(clMenu));
    EXPECT_EQ(ScreenPixel({second.Left + 2, second.Top + 2}), ColorToRGB(clHighlight));
    DestroyWindow(plain);

    // The skin wraps popup windows as they are created, found by their class name.
    std::vector<UINT> seen;
    HHOOK hook = SetWindowsHookEx(WH_CBT, [&](int code, WPARAM w, LPARAM l) -> LRESULT {
        HWND created = reinterpret_cast<HWND>(w);
        if (code == HCBT_CREATEWND && GetClassName(created) == "#32768") {
            auto below = std::make_shared<WNDPROC>();
            *below = SetWindowProc(created, [&seen, below](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                if (m == WM_NCPAINT || m == WM_ERASEBKGND || m == WM_PAINT) seen.push_back(m);
                if (m != WM_PAINT) return CallWindowProc(*below, h, m, wp, lp);
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(h, &ps);
                dc->FillRect(ps.rcPaint, clRed);
                EndPaint(h, &ps);
                return 0;
            });
        }
        return CallNextHookEx(nullptr, code, w, l);
    }, nullptr, 0);
    HWND skinned = ShowPopup(menu, owner, {400, 100});
    UnhookWindowsHookEx(hook);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_NCPAINT), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_ERASEBKGND), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_PAINT), seen.end());
    EXPECT_EQ(ScreenPixel({second.Left + 2, second.Top + 2}), clRed) << "the items were painted by the procedure in front";
    TRect frame;
    GetWindowRect(skinned, &frame);
    EXPECT_NE(ScreenPixel({frame.Left, frame.Top + 5}), clRed) << "the frame is still the popup's own";
    DestroyWindow(skinned);
    DestroyMenu(menu);
}

TEST_F(MenuPaintTest, OwnerDrawnPopupItemsAreMeasuredAndDrawnByTheOwner) {
    std::vector<MEASUREITEMSTRUCT> measured;
    std::vector<DRAWITEMSTRUCT> drawn;
    On(WM_MEASUREITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        measured.push_back(*mis);
        mis->itemWidth = 100;
        mis->itemHeight = mis->itemData == 0xD1 ? 30 : 2;
        r = TRUE;
        return true;
    });
    On(WM_DRAWITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
        drawn.push_back(*dis);
        dis->hDC->FillRect(dis->rcItem, clLime);
        r = TRUE;
        return true;
    });
    HWND owner = Top("Owner", 50, 50, 300, 200);
    HMENU menu = CreatePopupMenu();
    MENUITEMINFO info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE;
    info.fType = MFT_OWNERDRAW;
    info.wID = 5;
    info.dwItemData = 0xD1;
    info.fState = MFS_HILITE | MFS_CHECKED;
    InsertMenuItem(menu, 0, TRUE, &info);
    info.wID = 6;
    info.dwItemData = 0xD2;
    info.fState = MFS_GRAYED;
    InsertMenuItem(menu, 1, TRUE, &info);
    HWND popup = ShowPopup(menu, owner, {400, 100});
    ASSERT_EQ(measured.size(), 2u);
    EXPECT_EQ(measured[0].CtlType, ODT_MENU);
    EXPECT_EQ(measured[0].itemID, 5u);
    EXPECT_EQ(measured[1].itemData, 0xD2u);
    TRect a = ItemRect(owner, menu, 0), b = ItemRect(owner, menu, 1);
    EXPECT_EQ(a.Height(), 30);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(a.Width(), 100 + GetSystemMetrics(SM_CXMENUCHECK) - 1) << "room for a check mark is added";
    TRect window;
    GetWindowRect(popup, &window);
    EXPECT_EQ(a.Left - window.Left, PopupMenuWindow::kFrame) << "items sit inside a three-pixel frame";
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].CtlType, ODT_MENU);
    EXPECT_EQ(drawn[0].hwndItem, reinterpret_cast<HWND>(menu));
    EXPECT_EQ(drawn[0].itemAction, ODA_DRAWENTIRE);
    EXPECT_EQ(drawn[0].itemState, ODS_SELECTED | ODS_CHECKED);
    EXPECT_EQ(drawn[1].itemState, ODS_GRAYED | ODS_DISABLED);
    EXPECT_EQ(drawn[0].rcItem, (TRect{0, 0, a.Width(), 30})) << "client coordinates of the popup";
    EXPECT_EQ(ScreenPixel({a.Left + 1, a.Top + 1}), clLime);
    // Measured once: repainting does not ask again until the item changes.
    InvalidateRect(popup, nullptr, TRUE);
    UpdateWindow(popup);
    EXPECT_EQ(measured.size(), 2u);
    EXPECT_EQ(drawn.size(), 4u);
    DestroyWindow(popup);
    DestroyMenu(menu);
}

TEST_F(MenuPaintTest, TheBarWrapsIntoRowsOnANarrowWindowAndAnswersHtMenu) {
    HMENU bar = CreateMenu();
    for (const char* text : {"&Game", "&Settings", "&Records", "&About"}) AppendMenu(bar, MF_STRING, 1, text);
    HWND wide = CreateWindowEx(0, "Rec", "Wide", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 500, 200, nullptr, bar);
    HWND narrow = CreateWindowEx(0, "Rec", "Narrow", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 300, 120, 200, nullptr, bar);
    int row = GetSystemMetrics(SM_CYMENU);
    TRect wideClient, narrowClient;
    GetClientRect(wide, &wideClient);
    GetClientRect(narrow, &narrowClient);
    TRect first = ItemRect(narrow, bar, 0), last = ItemRect(narrow, bar, 3);
    EXPECT_GE(last.Top - first.Top, row) << "the items do not fit in one row of 120 pixels";
    EXPECT_EQ(wideClient.Height() - narrowClient.Height(), last.Top - first.Top) << "each extra row takes client height";
    TPoint clientTop{0, 0};
    ClientToScreen(narrow, &clientTop);
    EXPECT_EQ(last.Bottom, clientTop.Y) << "the bar ends where the client begins";
    TPoint inLast{(last.Left + last.Right) / 2, (last.Top + last.Bottom) / 2};
    EXPECT_EQ(SendMessage(narrow, WM_NCHITTEST, 0, PointToLParam(inLast)), HTMENU);
    EXPECT_EQ(MenuItemFromPoint(narrow, bar, inLast), 3);
    TRect wideLast = ItemRect(wide, bar, 3);
    EXPECT_EQ(wideLast.Top, ItemRect(wide, bar, 0).Top) << "one row when there is room";
    // The client area grows back when the window widens.
    MoveWindow(narrow, 10, 300, 500, 200, TRUE);
    GetClientRect(narrow, &narrowClient);
    EXPECT_EQ(narrowClient.Height(), wideClient.Height());
    DestroyWindow(wide);
    DestroyWindow(narrow);
    DestroyMenu(bar);
}

TEST_F(MenuPaintTest, OwnerDrawnBarItemsAreMeasuredWithTheBarHeightAndDrawnInWindowCoordinates) {
    std::vector<UINT> defaultHeights;
    std::vector<DRAWITEMSTRUCT> drawn;
    On(WM_MEASUREITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        defaultHeights.push_back(mis->itemHeight);
        mis->itemWidth = 60;
        r = TRUE;
        return true;
    });
    On(WM_DRAWITEM, [&](HWND, WPARAM, LPARAM l, LRESULT& r) {
        drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
        r = TRUE;
        return true;
    });
    HMENU bar = CreateMenu(), sub = CreatePopupMenu();
    AppendMenu(bar, MF_OWNERDRAW | MF_POPUP, Sub(sub), "");
    AppendMenu(bar, MF_OWNERDRAW, 9, "");
    HWND hwnd = CreateWindowEx(0, "Rec", "Bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 200, nullptr, bar);
    UpdateWindow(hwnd);
    ASSERT_FALSE(defaultHeights.empty());
    EXPECT_EQ(defaultHeights[0], static_cast<UINT>(GetSystemMetrics(SM_CYMENU) - 1));
    ASSERT_GE(drawn.size(), 2u);
    TRect window, second = ItemRect(hwnd, bar, 1);
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(drawn[1].rcItem, second.Offset(-window.Left, -window.Top)) << "window coordinates of the bar";
    EXPECT_EQ(drawn[1].rcItem.Width(), 60);
    DestroyWindow(hwnd);
    DestroyMenu(bar);
}
