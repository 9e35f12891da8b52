// The non-client area: hit-test codes for each border style, the move and size loops by mouse and
// keyboard, caption-button press loops, and hover tracking.
#include "WindowTestFixture.h"

namespace {
class NonClientTest : public WindowTest {
protected:
    int Hit(HWND h, int x, int y) {
        TRect r;
        GetWindowRect(h, &r);
        return static_cast<int>(SendMessage(h, WM_NCHITTEST, 0, PointToLParam({r.Left + x, r.Top + y})));
    }
    static TRect RectOf(HWND h) {
        TRect r;
        GetWindowRect(h, &r);
        return r;
    }
    // Queues raw input; the loops take it one event at a time as they ask for messages.
    void Press(int x, int y) { Input().MouseButton(TMouseButton::mbLeft, true, x, y); }
    void Release(int x, int y) { Input().MouseButton(TMouseButton::mbLeft, false, x, y); }
    void Move(int x, int y) { Input().MouseMove(x, y); }
    void MoveNow(int x, int y) {
        Move(x, y);
        Pump();
    }
    void Tap(UINT vk) {
        Input().Key(vk, true);
        Input().Key(vk, false);
    }
    // Runs a system command posted to h (its loop then eats the queued input).
    void Command(HWND h, UINT sc) {
        PostMessage(h, WM_SYSCOMMAND, sc, 0);
        Pump();
    }
    const TRecorded* Last(HWND h, UINT msg) const {
        for (auto it = Log.rbegin(); it != Log.rend(); ++it)
            if (it->Hwnd == h && it->Msg == msg) return &*it;
        return nullptr;
    }
    void Later(std::uint64_t ms) {
        FBackend.Virtual().Advance(ms);
        Pump();
    }
};

// A sizeable frame is 4 pixels wide, the caption 19 high; buttons are 16 wide with 2 between.
constexpr int kB = 4;
}

TEST_F(NonClientTest, HitCodesOfASizeableCaptionedWindow) {
    HWND h = Top("w", 100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL);
    const int w = 300, ht = 200, capY = kB + 9;
    EXPECT_EQ(Hit(h, 0, 100), HTLEFT);
    EXPECT_EQ(Hit(h, w - 1, 100), HTRIGHT);
    EXPECT_EQ(Hit(h, 150, 0), HTTOP);
    EXPECT_EQ(Hit(h, 150, ht - 1), HTBOTTOM);
    EXPECT_EQ(Hit(h, 0, 0), HTTOPLEFT);
    EXPECT_EQ(Hit(h, 5, 0), HTTOPLEFT) << "corners reach along the edges";
    EXPECT_EQ(Hit(h, w - 1, 0), HTTOPRIGHT);
    EXPECT_EQ(Hit(h, 0, ht - 1), HTBOTTOMLEFT);
    EXPECT_EQ(Hit(h, w - 1, ht - 1), HTBOTTOMRIGHT);
    EXPECT_EQ(Hit(h, kB + 5, capY), HTSYSMENU);
    EXPECT_EQ(Hit(h, 150, capY), HTCAPTION);
    EXPECT_EQ(Hit(h, w - kB - 10, capY), HTCLOSE);
    EXPECT_EQ(Hit(h, w - kB - 28, capY), HTMAXBUTTON);
    EXPECT_EQ(Hit(h, w - kB - 44, capY), HTMINBUTTON);
    EXPECT_EQ(Hit(h, 150, 100), HTCLIENT);
    EXPECT_EQ(Hit(h, w - kB - 8, 100), HTVSCROLL);
    EXPECT_EQ(Hit(h, 150, ht - kB - 8), HTHSCROLL);
    EXPECT_EQ(Hit(h, w - kB - 8, ht - kB - 8), HTBOTTOMRIGHT) << "the size grip of a sizeable window sizes it";
    EXPECT_EQ(Hit(h, w + 5, 100), HTNOWHERE);
    SetMenu(h, reinterpret_cast<HMENU>(1));
    EXPECT_EQ(Hit(h, 150, kB + 19 + 5), HTMENU);
    // Maximised, the frame no longer sizes.
    ShowWindow(h, SW_MAXIMIZE);
    EXPECT_EQ(Hit(h, 0, 100), HTBORDER);
}

TEST_F(NonClientTest, HitCodesOfFixedToolAndBorderlessWindows) {
    HWND dlg = Top("dlg", 0, 0, 200, 150, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME);
    EXPECT_EQ(Hit(dlg, 0, 70), HTBORDER) << "a fixed frame does not size";
    EXPECT_EQ(Hit(dlg, 100, 0), HTBORDER);
    EXPECT_EQ(Hit(dlg, 100, 10), HTCAPTION);
    EXPECT_EQ(Hit(dlg, 200 - kB - 10, 10), HTCLOSE);
    EXPECT_EQ(Hit(dlg, 200 - kB - 28, 10), HTCAPTION) << "no maximise button without the style";

    HWND tool = Top("tool", 0, 0, 200, 150, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE, WS_EX_TOOLWINDOW);
    EXPECT_EQ(Hit(tool, 0, 70), HTLEFT);
    EXPECT_EQ(Hit(tool, 200 - kB - 8, kB + 7), HTCLOSE);
    EXPECT_EQ(Hit(tool, kB + 4, kB + 7), HTCAPTION) << "a small caption has no icon";
    EXPECT_EQ(Hit(tool, 100, kB + 15 + 2), HTCLIENT) << "the small caption is lower";

    HWND bordered = Top("b", 0, 0, 100, 100, WS_POPUP | WS_BORDER | WS_VISIBLE);
    EXPECT_EQ(Hit(bordered, 0, 50), HTBORDER);
    EXPECT_EQ(Hit(bordered, 1, 50), HTCLIENT);
    HWND plain = Top("p", 0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(Hit(plain, 0, 0), HTCLIENT);
    HWND child = Child(plain, 10, 10, 50, 50, WS_VISIBLE | WS_BORDER);
    EXPECT_EQ(Hit(child, 0, 0), HTBORDER);
    EXPECT_EQ(Hit(child, 25, 25), HTCLIENT);
}

TEST_F(NonClientTest, DraggingTheCaptionRunsTheMoveLoopWithItsMessages) {
    HWND h = Top("w", 100, 100, 300, 200);
    Pump();
    Log.clear();
    Press(250, 110);
    Move(260, 120);
    Move(290, 150);
    Release(290, 150);
    Pump();
    EXPECT_EQ(RectOf(h), Bounds(140, 140, 300, 200));
    EXPECT_EQ(Sequence(h, {WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_EXITSIZEMOVE}),
              (std::vector<UINT>{WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_MOVING, WM_MOVING,
                                 WM_EXITSIZEMOVE}));
    EXPECT_EQ(Last(h, WM_SYSCOMMAND)->WParam, static_cast<WPARAM>(SC_MOVE | HTCAPTION));
    EXPECT_EQ(GetCapture(), nullptr);
    // A handler of WM_MOVING may hold the window back; Esc puts it where it was.
    On(WM_MOVING, [](HWND, WPARAM, LPARAM l, LRESULT& r) {
        auto* rc = reinterpret_cast<TRect*>(l);
        *rc = Bounds(rc->Left, 140, rc->Width(), rc->Height()); // no vertical moves
        r = TRUE;
        return true;
    });
    Press(200, 153);
    Move(230, 190);
    Release(230, 190);
    Pump();
    EXPECT_EQ(RectOf(h), Bounds(170, 140, 300, 200));
    FBackend.Virtual().Advance(1000); // not a double click on the caption
    Press(200, 153);
    Move(260, 200);
    Tap(VK_ESCAPE);
    Release(260, 200);
    Pump();
    EXPECT_EQ(RectOf(h), Bounds(170, 140, 300, 200));
}

TEST_F(NonClientTest, DraggingAnEdgeSizesWithinTheTrackingLimits) {
    HWND h = Top("w", 100, 100, 300, 200);
    Pump();
    Log.clear();
    Press(399, 250); // right edge
    Move(419, 260);
    Release(419, 260);
    Pump();
    EXPECT_EQ(RectOf(h), Bounds(100, 100, 320, 200));
    const TRecorded* sizing = Last(h, WM_SIZING);
    ASSERT_NE(sizing, nullptr);
    EXPECT_EQ(sizing->WParam, static_cast<WPARAM>(WMSZ_RIGHT));
    // Far past the minimum: the window stops at SM_CXMINTRACK.
    Press(100, 250);
    Move(500, 250);
    Release(500, 250);
    Pump();
    EXPECT_EQ(RectOf(h).Width(), GetSystemMetrics(SM_CXMINTRACK));
    EXPECT_EQ(RectOf(h).Right, 420);
}

TEST_F(NonClientTest, CaptionButtonsActOnlyWhenReleasedOverThem) {
    HWND h = Top("w", 100, 100, 300, 200);
    Pump();
    const int closeX = 100 + 300 - kB - 10, y = 100 + kB + 9;
    Log.clear();
    Press(closeX, y);
    Move(closeX - 100, y + 50);
    Release(closeX - 100, y + 50);
    Pump();
    EXPECT_TRUE(IsWindow(h)) << "released elsewhere: nothing happens";
    EXPECT_EQ(Count(h, WM_SYSCOMMAND), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    // Pressed, out and back in: it acts.
    Press(100 + 300 - kB - 44, y);
    Move(300, 300);
    Move(100 + 300 - kB - 44, y);
    Release(100 + 300 - kB - 44, y);
    Pump();
    EXPECT_TRUE(IsIconic(h));
    ShowWindow(h, SW_RESTORE);
    Pump();
    Press(closeX, y);
    Release(closeX, y);
    Pump();
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(NonClientTest, KeyboardMoveFollowsTheArrowsAndEscPutsTheWindowBack) {
    HWND h = Top("w", 100, 100, 300, 200);
    Pump();
    Log.clear();
    Tap(VK_RIGHT);
    Tap(VK_RIGHT);
    Tap(VK_DOWN);
    Input().Key(VK_CONTROL, true);
    Tap(VK_LEFT);
    Input().Key(VK_CONTROL, false);
    Tap(VK_RETURN);
    Command(h, SC_MOVE);
    EXPECT_EQ(RectOf(h), Bounds(115, 108, 300, 200));
    EXPECT_EQ(Sequence(h, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}), (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
    EXPECT_EQ(Count(h, WM_MOVING), 4);
    EXPECT_EQ(Count(h, WM_CHAR), 0) << "the loop eats the keys it was given";
    EXPECT_EQ(GetCapture(), nullptr);

    Tap(VK_UP);
    Tap(VK_ESCAPE);
    Command(h, SC_MOVE);
    EXPECT_EQ(RectOf(h), Bounds(115, 108, 300, 200));
    // A click accepts, like Enter; a maximised window does not move.
    Tap(VK_LEFT);
    Press(0, 0);
    Release(0, 0);
    Command(h, SC_MOVE);
    EXPECT_EQ(RectOf(h), Bounds(107, 108, 300, 200));
    ShowWindow(h, SW_MAXIMIZE);
    TRect maxed = RectOf(h);
    Log.clear();
    Command(h, SC_MOVE);
    EXPECT_EQ(Count(h, WM_ENTERSIZEMOVE), 0);
    EXPECT_EQ(RectOf(h), maxed);
}

TEST_F(NonClientTest, KeyboardSizeTakesTheEdgesTheFirstArrowsName) {
    HWND h = Top("w", 100, 100, 300, 200);
    Pump();
    Log.clear();
    Tap(VK_LEFT);  // picks the left edge
    Tap(VK_LEFT);  // moves it out
    Tap(VK_UP);    // adds the top edge
    Tap(VK_UP);
    Tap(VK_UP);
    Tap(VK_RETURN);
    Command(h, SC_SIZE);
    EXPECT_EQ(RectOf(h), (TRect{92, 84, 400, 300}));
    EXPECT_EQ(Last(h, WM_SIZING)->WParam, static_cast<WPARAM>(WMSZ_TOPLEFT));
    // Shrinking stops at the minimum tracking size; Esc undoes it all.
    Tap(VK_RIGHT);
    for (int i = 0; i < 40; ++i) Tap(VK_LEFT);
    Tap(VK_RETURN);
    Command(h, SC_SIZE);
    EXPECT_EQ(RectOf(h), (TRect{92, 84, 92 + GetSystemMetrics(SM_CXMINTRACK), 300}));
    Tap(VK_DOWN);
    Tap(VK_DOWN);
    Tap(VK_ESCAPE);
    Command(h, SC_SIZE);
    EXPECT_EQ(RectOf(h).Height(), 216);
    EXPECT_EQ(RectOf(h).Width(), GetSystemMetrics(SM_CXMINTRACK));
    // Without a sizing frame there is nothing to size.
    HWND fixed = Top("fixed", 0, 0, 100, 100, WS_POPUP | WS_CAPTION | WS_VISIBLE);
    Log.clear();
    Command(fixed, SC_SIZE);
    EXPECT_EQ(Count(fixed, WM_ENTERSIZEMOVE), 0);
}

TEST_F(NonClientTest, HoverArrivesOnceAfterThePointerRestsForTheHoverTime) {
    HWND h = Top("w", 100, 100, 300, 200);
    HWND child = Child(h, 20, 20, 100, 100);
    MoveNow(150, 150);
    Pump();
    TPoint origin{0, 0};
    ClientToScreen(child, &origin);
    TRACKMOUSEEVENT tme{TME_HOVER | TME_LEAVE, child, HOVER_DEFAULT};
    MoveNow(origin.X + 30, origin.Y + 30);
    ASSERT_TRUE(TrackMouseEvent(&tme));
    TRACKMOUSEEVENT query{TME_QUERY, nullptr, 0};
    TrackMouseEvent(&query);
    EXPECT_EQ(query.hwndTrack, child);
    EXPECT_EQ(query.dwFlags, TME_HOVER | TME_LEAVE);
    EXPECT_EQ(query.dwHoverTime, 400u);
    Log.clear();
    Later(399);
    EXPECT_EQ(Count(child, WM_MOUSEHOVER), 0);
    MoveNow(origin.X + 32, origin.Y + 31); // a tremble within the hover rectangle keeps counting
    Later(1);
    ASSERT_EQ(Count(child, WM_MOUSEHOVER), 1);
    EXPECT_EQ(Last(child, WM_MOUSEHOVER)->LParam, MAKELPARAM(32, 31));
    Later(1000);
    EXPECT_EQ(Count(child, WM_MOUSEHOVER), 1) << "one message per request";
    EXPECT_EQ(Count(child, WM_MOUSELEAVE), 0) << "leave tracking goes on";

    // A real move starts the count again; leaving ends the hover with the leave.
    tme.dwHoverTime = 100;
    TrackMouseEvent(&tme);
    Later(60);
    MoveNow(origin.X + 50, origin.Y + 50);
    Later(60);
    EXPECT_EQ(Count(child, WM_MOUSEHOVER), 1);
    Later(40);
    EXPECT_EQ(Count(child, WM_MOUSEHOVER), 2);
    TrackMouseEvent(&tme);
    MoveNow(10, 10);
    Later(500);
    EXPECT_EQ(Count(child, WM_MOUSEHOVER), 2);
    EXPECT_EQ(Count(child, WM_MOUSELEAVE), 1);
    // Cancelled before it is due: nothing.
    MoveNow(origin.X + 30, origin.Y + 30);
    TrackMouseEvent(&tme);
    TRACKMOUSEEVENT cancel{TME_CANCEL | TME_HOVER, child, 0};
    TrackMouseEvent(&cancel);
    Later(500);
    EXPECT_EQ(Count(child, WM_MOUSEHOVER), 2);
}

TEST_F(NonClientTest, NonClientHoverReportsTheHitCode) {
    HWND h = Top("w", 100, 100, 300, 200);
    MoveNow(250, 100 + kB + 9);
    TRACKMOUSEEVENT tme{TME_HOVER | TME_NONCLIENT, h, 50};
    ASSERT_TRUE(TrackMouseEvent(&tme));
    Later(50);
    const TRecorded* hover = Last(h, WM_NCMOUSEHOVER);
    ASSERT_NE(hover, nullptr);
    EXPECT_EQ(hover->WParam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(hover->LParam, PointToLParam({250, 100 + kB + 9}));
    EXPECT_EQ(Count(h, WM_MOUSEHOVER), 0);
    // Asking for the client while the pointer is on the frame has nothing to wait for.
    TRACKMOUSEEVENT client{TME_HOVER, h, 50};
    TrackMouseEvent(&client);
    Later(100);
    EXPECT_EQ(Count(h, WM_MOUSEHOVER), 0);
}
