// Message order of creation, showing, activation, painting and destruction; stale handles.
#include "WindowTestFixture.h"

#include <algorithm>

TEST_F(WindowTest, CreationSendsItsMessagesInOrderAndComputesTheClientArea) {
    HWND h = Top("w", 10, 20, 300, 200, WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(h);
    EXPECT_EQ(Sequence(h, {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
              (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    TRect client, window;
    GetClientRect(h, &client);
    GetWindowRect(h, &window);
    int frame = GetSystemMetrics(SM_CXSIZEFRAME);
    EXPECT_EQ(window, Bounds(10, 20, 300, 200));
    EXPECT_EQ(client.Width(), 300 - 2 * frame);
    EXPECT_EQ(client.Height(), 200 - 2 * frame - GetSystemMetrics(SM_CYCAPTION));
    TPoint p{0, 0};
    ClientToScreen(h, &p);
    EXPECT_EQ(p, (TPoint{10 + frame, 20 + frame + GetSystemMetrics(SM_CYCAPTION)}));
}

TEST_F(WindowTest, RefusingCreationInNcCreateOrCreateGivesNoWindow) {
    auto ncDestroys = [this] {
        return std::count_if(Log.begin(), Log.end(), [](const TRecorded& r) { return r.Msg == WM_NCDESTROY; });
    };
    On(WM_CREATE, [](HWND, WPARAM, LPARAM, LRESULT& r) { r = -1; return true; });
    EXPECT_EQ(Top("w", 0, 0, 100, 100), nullptr);
    EXPECT_EQ(ncDestroys(), 1) << "state made in WM_NCCREATE is freed although WM_CREATE refused";
    Handlers.clear();
    Log.clear();
    On(WM_NCCREATE, [](HWND, WPARAM, LPARAM, LRESULT& r) { r = FALSE; return true; });
    EXPECT_EQ(Top("w", 0, 0, 100, 100), nullptr);
    EXPECT_EQ(ncDestroys(), 1);
    EXPECT_EQ(WindowSystem::Current()->Handles().Count(), 0u);
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowEx(0, "Rec", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr), nullptr) << "a child needs a parent";
}

TEST_F(WindowTest, ShowingActivatesAndThePaintCycleRunsNcPaintEraseThenPaint) {
    HWND h = Top("w", 10, 10, 200, 150, WS_OVERLAPPEDWINDOW);
    Log.clear();
    ShowWindow(h, SW_SHOW);
    EXPECT_EQ(Sequence(h, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_ACTIVATEAPP, WM_NCACTIVATE,
                           WM_ACTIVATE, WM_SETFOCUS}),
              (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_ACTIVATEAPP, WM_NCACTIVATE,
                                 WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_EQ(GetActiveWindow(), h);
    EXPECT_EQ(GetFocus(), h);
    Log.clear();
    Pump();
    EXPECT_EQ(Sequence(h, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}));
    Log.clear();
    Pump();
    EXPECT_EQ(Count(h, WM_PAINT), 0) << "a painted window is not painted again";
    InvalidateRect(h, nullptr, FALSE);
    Pump();
    EXPECT_EQ(Sequence(h, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_PAINT}));
}

TEST_F(WindowTest, ParentsPaintBeforeChildrenAndActivationMovesBetweenWindows) {
    HWND a = Top("a", 0, 0, 200, 200);
    HWND c = Child(a, 10, 10, 50, 50);
    Log.clear();
    Pump();
    std::vector<HWND> painted;
    for (const TRecorded& r : Log)
        if (r.Msg == WM_PAINT) painted.push_back(r.Hwnd);
    EXPECT_EQ(painted, (std::vector<HWND>{a, c}));
    HWND b = Top("b", 50, 50, 200, 200);
    EXPECT_EQ(GetActiveWindow(), b);
    Log.clear();
    SetActiveWindow(a);
    EXPECT_EQ(Sequence(nullptr, {WM_NCACTIVATE, WM_ACTIVATE}),
              (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_NCACTIVATE, WM_ACTIVATE}));
    EXPECT_EQ(Log.front().Hwnd, b) << "the old window hears first";
    EXPECT_EQ(GetTopWindow(nullptr), a) << "activation raises the window";
}

TEST_F(WindowTest, DestroySendsDestroyParentFirstAndNcDestroyChildFirst) {
    HWND top = Top("t", 0, 0, 200, 200);
    HWND child = Child(top, 0, 0, 50, 50);
    HWND grand = Child(child, 0, 0, 10, 10);
    HWND owned = Top("owned", 20, 20, 50, 50, WS_POPUP | WS_VISIBLE, 0, top);
    SetCapture(grand);
    Log.clear();
    ASSERT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> seq;
    for (const TRecorded& r : Log)
        if (r.Msg == WM_DESTROY || r.Msg == WM_NCDESTROY) seq.push_back({r.Hwnd, r.Msg});
    std::vector<std::pair<HWND, UINT>> want = {{owned, WM_DESTROY}, {owned, WM_NCDESTROY}, {top, WM_DESTROY}, {child, WM_DESTROY},
                                               {grand, WM_DESTROY}, {grand, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(seq, want);
    EXPECT_EQ(Count(grand, WM_CAPTURECHANGED), 1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTest, DestroyedHandlesAreRefusedEvenAfterTheSlotIsReused) {
    HWND old = Top("old", 0, 0, 100, 100);
    DestroyWindow(old);
    HWND fresh = Top("new", 0, 0, 100, 100);
    ASSERT_NE(old, fresh);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(SendMessage(old, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(old, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowText(old, "x"));
    EXPECT_EQ(GetWindowText(old), "");
    EXPECT_FALSE(ShowWindow(old, SW_HIDE));
    EXPECT_FALSE(SetWindowPos(old, nullptr, 0, 0, 1, 1, 0));
    EXPECT_EQ(GetDC(old), nullptr);
    EXPECT_FALSE(DestroyWindow(old));
    EXPECT_EQ(SetWindowProc(old, DefWindowProc), nullptr);
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(0x7777)));
    EXPECT_EQ(GetWindowText(fresh), "new");
}

TEST_F(WindowTest, AWindowCanDestroyItselfFromItsOwnHandler) {
    HWND h = Top("self", 0, 0, 100, 100);
    HWND c = Child(h, 0, 0, 10, 10);
    int after = 0;
    On(WM_USER, [&](HWND hw, WPARAM, LPARAM, LRESULT& r) {
        DestroyWindow(hw);
        after = IsWindow(hw) ? 2 : 1;
        r = 42;
        return true;
    });
    EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 42);
    EXPECT_EQ(after, 1);
    EXPECT_FALSE(IsWindow(c));
    PostMessage(c, WM_USER, 0, 0); // refused, so nothing reaches the freed record
    Pump();
    EXPECT_EQ(WindowSystem::Current()->Handles().Count(), 0u);
}

TEST_F(WindowTest, TextPropertiesAndLongsRoundTrip) {
    HWND h = Top("Заголовок", 0, 0, 100, 100);
    EXPECT_EQ(GetWindowText(h), "Заголовок");
    EXPECT_EQ(GetWindowTextLength(h), 18);
    SetProp(h, "key", 77);
    EXPECT_EQ(GetProp(h, "key"), 77u);
    EXPECT_EQ(RemoveProp(h, "key"), 77u);
    EXPECT_EQ(GetProp(h, "key"), 0u);
    SetWindowLongPtr(h, GWLP_USERDATA, 5);
    EXPECT_EQ(GetWindowLongPtr(h, GWLP_USERDATA), 5);
    Log.clear();
    LONG_PTR old = SetWindowLongPtr(h, GWL_STYLE, GetWindowLongPtr(h, GWL_STYLE) & ~WS_SYSMENU);
    EXPECT_TRUE(old & WS_SYSMENU);
    EXPECT_EQ(Sequence(h, {WM_STYLECHANGING, WM_STYLECHANGED}), (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
    EXPECT_FALSE(GetWindowLongPtr(h, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(GetClassName(h), "Rec");
}

TEST_F(WindowTest, ZOrderTopMostAndOwnedWindowsStayAbove) {
    HWND a = Top("a", 0, 0, 100, 100);
    HWND pinned = Top("pinned", 0, 0, 100, 100, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
    HWND b = Top("b", 0, 0, 100, 100);
    HWND owned = Top("owned", 0, 0, 50, 50, WS_POPUP | WS_VISIBLE, 0, a);
    SetActiveWindow(a);
    std::vector<HWND> order;
    EnumWindows([&](HWND h) {
        order.push_back(h);
        return true;
    });
    EXPECT_EQ(order, (std::vector<HWND>{pinned, owned, a, b}));
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), owned);
    EXPECT_EQ(GetParent(owned), a);
    HWND c1 = Child(a, 0, 0, 10, 10, WS_VISIBLE, 1);
    HWND c2 = Child(a, 0, 0, 10, 10, WS_VISIBLE, 2);
    EXPECT_EQ(GetWindow(a, GW_CHILD), c1) << "children keep creation order";
    EXPECT_EQ(GetWindow(c1, GW_HWNDNEXT), c2);
    EXPECT_EQ(GetDlgItem(a, 2), c2);
    SetWindowPos(c2, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(a, GW_CHILD), c2);
}

TEST_F(WindowTest, MinimiseMaximiseAndRestoreKeepTheNormalRectangle) {
    HWND h = Top("w", 100, 100, 300, 200);
    ShowWindow(h, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(h));
    TRect r, work;
    GetWindowRect(h, &r);
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    int f = GetSystemMetrics(SM_CXSIZEFRAME);
    EXPECT_EQ(r, work.Inflate(f, f));
    ShowWindow(h, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(h));
    EXPECT_NE(GetActiveWindow(), h);
    ShowWindow(h, SW_RESTORE);
    EXPECT_FALSE(IsIconic(h));
    EXPECT_TRUE(IsZoomed(h)) << "restoring a minimised maximised window maximises it again";
    ShowWindow(h, SW_RESTORE);
    GetWindowRect(h, &r);
    EXPECT_EQ(r, Bounds(100, 100, 300, 200));
}

TEST_F(WindowTest, AChildDestroyingItselfWhileItsParentGoesDownGetsOneDestroy) {
    HWND p = Top("p", 0, 0, 100, 100);
    HWND c = Child(p, 0, 0, 10, 10);
    BOOL again = TRUE;
    On(WM_DESTROY, [&](HWND h, WPARAM, LPARAM, LRESULT&) {
        if (h == c) again = DestroyWindow(c);
        return false;
    });
    EXPECT_TRUE(DestroyWindow(p));
    EXPECT_FALSE(again) << "already on its way down";
    EXPECT_EQ(Count(c, WM_DESTROY), 1);
    EXPECT_EQ(Count(c, WM_NCDESTROY), 1);
    EXPECT_FALSE(IsWindow(c));
}

TEST_F(WindowTest, AClassStyleSetThroughOneWindowHoldsForEveryWindowOfTheClass) {
    HWND a = Top("a", 0, 0, 100, 100);
    HWND b = Top("b", 0, 0, 100, 100);
    EXPECT_EQ(SetClassStyle(a, CS_DBLCLKS | CS_DROPSHADOW), static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(GetClassStyle(b), static_cast<UINT>(CS_DBLCLKS | CS_DROPSHADOW));
    EXPECT_EQ(SetClassStyle(b, 0), static_cast<UINT>(CS_DBLCLKS | CS_DROPSHADOW));
    EXPECT_EQ(GetClassStyle(a), 0u);
    EXPECT_EQ(SetClassStyle(nullptr, CS_DROPSHADOW), 0u) << "no window, no class";
    SetClassStyle(a, CS_DBLCLKS);
}
