// SetWindowPos and ShowWindow: message sequences, flags, minimise/maximise/restore, z-order of owned
// and top-most windows.
#include "WindowTestFixture.h"

namespace {
class PlacementTest : public WindowTest {
protected:
    std::vector<HWND> ZOrder() const {
        std::vector<HWND> order;
        EnumWindows([&](HWND h) {
            order.push_back(h);
            return true;
        });
        return order;
    }
    bool Above(HWND upper, HWND lower) const {
        std::vector<HWND> z = ZOrder();
        return std::find(z.begin(), z.end(), upper) < std::find(z.begin(), z.end(), lower);
    }
    static TRect RectOf(HWND h) {
        TRect r;
        GetWindowRect(h, &r);
        return r;
    }
    static bool TopMost(HWND h) { return (GetWindowLongPtr(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    const std::vector<UINT> kPosMsgs{WM_WINDOWPOSCHANGING, WM_GETMINMAXINFO, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED,
                                     WM_MOVE, WM_SIZE, WM_SHOWWINDOW, WM_NCACTIVATE, WM_ACTIVATE};
};
}

TEST_F(PlacementTest, SetWindowPosSendsChangingCalcSizeChangedThenMoveAndSize) {
    HWND h = Top("w", 10, 10, 200, 150);
    Log.clear();
    SetWindowPos(h, nullptr, 30, 40, 250, 160, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Sequence(h, kPosMsgs),
              (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    EXPECT_EQ(RectOf(h), Bounds(30, 40, 250, 160));
    const TRecorded* calc = nullptr;
    for (const TRecorded& r : Log)
        if (r.Msg == WM_NCCALCSIZE) calc = &r;
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(calc->WParam, static_cast<WPARAM>(TRUE)) << "a move asks for the valid-rects form";

    // A move alone: no WM_SIZE, and the changed message says so with SWP_NOSIZE.
    Log.clear();
    WINDOWPOS changed{};
    On(WM_WINDOWPOSCHANGED, [&](HWND, WPARAM, LPARAM l, LRESULT&) {
        changed = *reinterpret_cast<WINDOWPOS*>(l);
        return false;
    });
    MoveWindow(h, 50, 60, 250, 160, TRUE);
    EXPECT_EQ(Sequence(h, kPosMsgs), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE}));
    EXPECT_TRUE(changed.flags & SWP_NOSIZE);
    EXPECT_FALSE(changed.flags & SWP_NOMOVE);
    EXPECT_EQ(changed.x, 50);

    // Nothing changes: no calc-size, no move, no size; SWP_NOSENDCHANGING skips the first message.
    Log.clear();
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
    EXPECT_EQ(Sequence(h, kPosMsgs), (std::vector<UINT>{WM_WINDOWPOSCHANGED}));
    // SWP_FRAMECHANGED recalculates the frame and reports a size even when nothing moved.
    Log.clear();
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EXPECT_EQ(Sequence(h, kPosMsgs), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE}));
}

TEST_F(PlacementTest, WindowPosChangingCanForbidTheMoveAndTheSize) {
    HWND h = Top("w", 10, 10, 200, 150);
    On(WM_WINDOWPOSCHANGING, [](HWND, WPARAM, LPARAM l, LRESULT& r) {
        reinterpret_cast<WINDOWPOS*>(l)->flags |= SWP_NOMOVE | SWP_NOSIZE;
        r = 0;
        return true;
    });
    Log.clear();
    SetWindowPos(h, nullptr, 300, 300, 50, 50, SWP_NOZORDER);
    EXPECT_EQ(RectOf(h), Bounds(10, 10, 200, 150));
    EXPECT_EQ(Count(h, WM_MOVE), 0);
    EXPECT_EQ(Count(h, WM_SIZE), 0);
    // And it can change where the window goes.
    On(WM_WINDOWPOSCHANGING, [](HWND, WPARAM, LPARAM l, LRESULT& r) {
        auto* wp = reinterpret_cast<WINDOWPOS*>(l);
        wp->x = 5;
        wp->cx = 120;
        r = 0;
        return true;
    });
    SetWindowPos(h, nullptr, 300, 300, 50, 50, SWP_NOZORDER);
    EXPECT_EQ(RectOf(h), Bounds(5, 300, 120, 50));
}

TEST_F(PlacementTest, ShowAndHideSequencesAndTheFlagsThatKeepActivationAndZOrder) {
    HWND a = Top("a", 0, 0, 100, 100);
    HWND b = Top("b", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW);
    Log.clear();
    ShowWindow(b, SW_SHOW);
    EXPECT_EQ(Sequence(b, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE}),
              (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE}));
    EXPECT_EQ(GetActiveWindow(), b);
    Log.clear();
    EXPECT_TRUE(ShowWindow(b, SW_HIDE)) << "it was visible";
    EXPECT_EQ(Sequence(b, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}),
              (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
    EXPECT_EQ(Log.front().WParam, static_cast<WPARAM>(FALSE));
    EXPECT_EQ(GetActiveWindow(), a) << "hiding the active window activates another";
    EXPECT_FALSE(ShowWindow(b, SW_HIDE)) << "hiding a hidden window does nothing";

    // SWP_SHOWWINDOW with SWP_NOACTIVATE | SWP_NOZORDER: shown where it was, a stays active.
    SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(b, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
    EXPECT_TRUE(IsWindowVisible(b));
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_TRUE(Above(a, b));
    ShowWindow(b, SW_SHOWNA);
    EXPECT_EQ(GetActiveWindow(), a);
    SetWindowPos(b, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_FALSE(IsWindowVisible(b));
}

TEST_F(PlacementTest, MinimiseMaximiseRestoreAndCloseSequences) {
    HWND other = Top("other", 500, 500, 100, 100);
    HWND h = Top("w", 100, 100, 300, 200);
    ASSERT_EQ(GetActiveWindow(), h);
    Log.clear();
    ShowWindow(h, SW_MAXIMIZE);
    EXPECT_EQ(Sequence(h, kPosMsgs), (std::vector<UINT>{WM_GETMINMAXINFO, WM_WINDOWPOSCHANGING, WM_NCCALCSIZE,
                                                        WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    const TRecorded* size = nullptr;
    for (const TRecorded& r : Log)
        if (r.Msg == WM_SIZE) size = &r;
    EXPECT_EQ(size->WParam, static_cast<WPARAM>(SIZE_MAXIMIZED));

    Log.clear();
    ShowWindow(h, SW_MINIMIZE);
    EXPECT_EQ(Sequence(h, {WM_SIZE, WM_NCACTIVATE, WM_ACTIVATE}), (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_SIZE}));
    for (const TRecorded& r : Log)
        if (r.Hwnd == h && r.Msg == WM_ACTIVATE) {
            EXPECT_EQ(r.WParam, MAKEWPARAM(WA_INACTIVE, 1)) << "minimised flag";
        }
    std::vector<WPARAM> minSizes;
    for (const TRecorded& r : Log)
        if (r.Hwnd == h && r.Msg == WM_SIZE) minSizes.push_back(r.WParam);
    EXPECT_EQ(minSizes, (std::vector<WPARAM>{SIZE_MINIMIZED}));
    EXPECT_EQ(GetActiveWindow(), other);

    Log.clear();
    ShowWindow(h, SW_RESTORE);
    EXPECT_TRUE(IsZoomed(h)) << "back to maximised";
    EXPECT_EQ(GetActiveWindow(), h);
    std::vector<WPARAM> sizes;
    for (const TRecorded& r : Log)
        if (r.Hwnd == h && r.Msg == WM_SIZE) sizes.push_back(r.WParam);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back(), static_cast<WPARAM>(SIZE_MAXIMIZED));

    // Close through the system command: WM_CLOSE, then the default destroys the window.
    Log.clear();
    SendMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Sequence(h, {WM_CLOSE, WM_DESTROY, WM_NCDESTROY}), (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(IsWindow(h));
    // A window that answers WM_CLOSE itself stays.
    On(WM_CLOSE, [](HWND, WPARAM, LPARAM, LRESULT& r) { r = 0; return true; });
    SendMessage(other, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(other));
}

TEST_F(PlacementTest, GetMinMaxInfoLimitsMaximisingAndCreation) {
    On(WM_GETMINMAXINFO, [](HWND, WPARAM, LPARAM l, LRESULT& r) {
        auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
        mmi->ptMaxSize = {400, 300};
        mmi->ptMaxPosition = {7, 9};
        mmi->ptMinTrackSize = {150, 120};
        r = 0;
        return true;
    });
    HWND h = Top("w", 10, 10, 50, 50);
    EXPECT_EQ(RectOf(h), Bounds(10, 10, 150, 120)) << "a sizeable window is created at least the minimum size";
    ShowWindow(h, SW_MAXIMIZE);
    EXPECT_EQ(RectOf(h), Bounds(7, 9, 400, 300));
    ShowWindow(h, SW_RESTORE);
    EXPECT_EQ(RectOf(h), Bounds(10, 10, 150, 120));
}

TEST_F(PlacementTest, OwnedWindowsStayAboveTheirOwnerWhateverRaisesIt) {
    HWND a = Top("a", 0, 0, 100, 100);
    HWND owned = Top("owned", 0, 0, 50, 50, WS_POPUP | WS_VISIBLE, 0, a);
    HWND b = Top("b", 0, 0, 100, 100);
    SetActiveWindow(a);
    EXPECT_EQ(ZOrder(), (std::vector<HWND>{owned, a, b}));
    // Raising the owner that is already active must not cover its owned window.
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(ZOrder(), (std::vector<HWND>{owned, a, b}));
    SetActiveWindow(b);
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(ZOrder(), (std::vector<HWND>{owned, a, b}));
    // Sending an owned window to the bottom leaves it right above its owner.
    SetWindowPos(owned, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(ZOrder(), (std::vector<HWND>{owned, a, b}));
    // An owner cycle is refused rather than made.
    EXPECT_EQ(SetWindowLongPtr(a, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owned)), 0);
    EXPECT_EQ(GetWindow(a, GW_OWNER), nullptr);
    EXPECT_EQ(SetWindowLongPtr(a, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(a)), 0);
    BringWindowToTop(a);
    EXPECT_EQ(GetAncestor(owned, GA_ROOTOWNER), a);
    // Giving b an owner moves it above that owner.
    SetWindowLongPtr(b, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(a));
    EXPECT_TRUE(Above(b, a));
}

TEST_F(PlacementTest, OwnedWindowsOfATopMostWindowAreTopMostAndLeaveTheBandWithIt) {
    HWND normal = Top("normal", 0, 0, 100, 100);
    HWND pinned = Top("pinned", 0, 0, 100, 100, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
    HWND dialog = Top("dialog", 0, 0, 50, 50, WS_POPUP | WS_VISIBLE, 0, pinned);
    EXPECT_EQ(ZOrder(), (std::vector<HWND>{dialog, pinned, normal}));
    EXPECT_TRUE(TopMost(dialog));
    SetWindowPos(pinned, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(TopMost(pinned));
    EXPECT_FALSE(TopMost(dialog));
    EXPECT_TRUE(Above(dialog, pinned));
    SetWindowPos(normal, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(ZOrder().front(), normal);
    // The top-most bit moves only with SetWindowPos, so the bands stay whole.
    SetWindowLongPtr(pinned, GWL_EXSTYLE, WS_EX_TOPMOST);
    EXPECT_FALSE(TopMost(pinned));
    SetWindowLongPtr(normal, GWL_EXSTYLE, 0);
    EXPECT_TRUE(TopMost(normal));
}

TEST_F(PlacementTest, OwnedWindowsHideWithAMinimisedOwnerAndComeBackWithIt) {
    HWND main = Top("main", 0, 0, 300, 300);
    HWND tool = Top("tool", 10, 10, 50, 50, WS_POPUP | WS_VISIBLE, 0, main);
    HWND hidden = Top("hidden", 10, 10, 50, 50, WS_POPUP, 0, main);
    HWND other = Top("other", 400, 400, 50, 50);
    SetActiveWindow(tool);
    Log.clear();
    ShowWindow(main, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(tool));
    int closing = 0;
    for (const TRecorded& r : Log) closing += r.Hwnd == tool && r.Msg == WM_SHOWWINDOW && r.LParam == SW_PARENTCLOSING;
    EXPECT_EQ(closing, 1);
    EXPECT_EQ(Count(hidden, WM_SHOWWINDOW), 0);
    EXPECT_EQ(GetActiveWindow(), other);
    Log.clear();
    ShowWindow(main, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(tool));
    EXPECT_FALSE(IsWindowVisible(hidden)) << "a window hidden before stays hidden";
    EXPECT_TRUE(Above(tool, main));
    EXPECT_EQ(GetActiveWindow(), main);

    // A window that keeps itself shown (answers WM_SHOWWINDOW) is left alone.
    On(WM_SHOWWINDOW, [&](HWND h, WPARAM, LPARAM l, LRESULT& r) {
        r = 0;
        return h == tool && l != 0;
    });
    ShowWindow(main, SW_MINIMIZE);
    EXPECT_TRUE(IsWindowVisible(tool));
}
