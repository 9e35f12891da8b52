// Scroll bars: state and geometry, the "ScrollBar" control and a window's own bars, pressed and
// dragged by a user through the driver (the tracking loop runs on the UI thread).
#include "ControlTestFixture.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/window/ScrollBarLayout.h"
#include "platform/window/ScrollTracker.h"

#include <mutex>

namespace {
struct TScrollEvent {
    UINT Msg;
    int Code;
    int Pos;
    HWND From;
    friend bool operator==(const TScrollEvent&, const TScrollEvent&) = default;
};

// A window with a vertical scroll-bar control and its own vertical bar; like a real program it
// moves a bar when asked to scroll.
class ScrollProgram {
public:
    HWND Main = nullptr;
    HWND Bar = nullptr;

    int Run() {
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        RegisterStandardControls();
        WNDCLASS wc;
        wc.lpszClassName = "Host";
        wc.hbrBackground = clBtnFace;
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_VSCROLL || m == WM_HSCROLL) OnScroll(h, m, w, l);
            if (m == WM_DESTROY) PostQuitMessage(0);
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(wc);
        Main = CreateWindowEx(0, "Host", "scroll", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr);
        Bar = CreateWindowEx(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 20, 20, 17, 200, Main, nullptr);
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = 99;
        si.nPage = 10;
        SetScrollInfo(Bar, SB_CTL, &si, TRUE);
        si.nMax = 49;
        SetScrollInfo(Main, SB_VERT, &si, TRUE);
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        return 0;
    }

    std::vector<TScrollEvent> Events() {
        std::lock_guard<std::mutex> lock(FMutex);
        return FEvents;
    }
    void Clear() {
        std::lock_guard<std::mutex> lock(FMutex);
        FEvents.clear();
    }
    bool Follow = true; // set the position as asked

private:
    void OnScroll(HWND h, UINT m, WPARAM w, LPARAM l) {
        HWND from = reinterpret_cast<HWND>(l);
        int bar = from ? SB_CTL : SB_VERT;
        HWND target = from ? from : h;
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        GetScrollInfo(target, bar, &si);
        int code = LOWORD(w);
        {
            std::lock_guard<std::mutex> lock(FMutex);
            FEvents.push_back({m, code, code == SB_THUMBTRACK || code == SB_THUMBPOSITION ? static_cast<int>(HIWORD(w)) : si.nPos, from});
        }
        if (!Follow) return;
        int pos = si.nPos;
        switch (code) {
        case SB_LINEUP: --pos; break;
        case SB_LINEDOWN: ++pos; break;
        case SB_PAGEUP: pos -= static_cast<int>(si.nPage); break;
        case SB_PAGEDOWN: pos += static_cast<int>(si.nPage); break;
        case SB_THUMBTRACK: pos = si.nTrackPos; break;
        case SB_TOP: pos = si.nMin; break;
        case SB_BOTTOM: pos = si.nMax; break;
        default: return;
        }
        SetScrollPos(target, bar, pos, TRUE);
    }

    std::mutex FMutex;
    std::vector<TScrollEvent> FEvents;
};

class ScrollDriverTest : public ::testing::Test {
protected:
    ScrollProgram P;
    HeadlessDriver D{[this] { return P.Run(); }};

    void SetUp() override { D.WaitIdle(); }
    void TearDown() override {
        D.Shutdown();
        ClassicStyle::SetCaptionTextPainter(nullptr);
    }
    TPoint Screen(HWND h, int x, int y) {
        TPoint p{x, y};
        D.RunOnUi([&] { ClientToScreen(h, &p); });
        return p;
    }
    template <class T>
    T OnUi(const std::function<T()>& fn) {
        T out{};
        D.RunOnUi([&] { out = fn(); });
        return out;
    }
    int Pos(HWND h, int bar) { return OnUi<int>([&] { return GetScrollPos(h, bar); }); }
    std::vector<int> Codes() {
        std::vector<int> out;
        for (const TScrollEvent& e : P.Events()) out.push_back(e.Code);
        return out;
    }
};
}

TEST(ScrollBarStateTest, PageAndPositionStayWithinTheRange) {
    ScrollBarState s(0, 100);
    SCROLLINFO si;
    si.fMask = SIF_PAGE | SIF_POS;
    si.nPage = 20;
    si.nPos = 95;
    EXPECT_TRUE(s.Set(si));
    EXPECT_EQ(s.MaxPos(), 81) << "the last page starts where its last item is the maximum";
    EXPECT_EQ(s.Pos(), 81);
    si.fMask = SIF_PAGE;
    si.nPage = 500;
    s.Set(si);
    EXPECT_EQ(s.Page(), 101) << "a page is never larger than the range";
    EXPECT_FALSE(s.Scrollable());
    EXPECT_EQ(s.Pos(), 0);
    si.fMask = SIF_RANGE;
    si.nMin = 10;
    si.nMax = 5;
    s.Set(si);
    EXPECT_EQ(s.Min(), 10);
    EXPECT_EQ(s.Max(), 10) << "a reversed range collapses to its minimum";
    EXPECT_FALSE(s.Set(si)) << "setting the same again changes nothing";
}

TEST(ScrollBarLayoutTest, ThumbSizeFollowsThePageAndEveryPositionIsReachableByDragging) {
    ScrollBarState s(0, 99);
    SCROLLINFO si;
    si.fMask = SIF_PAGE;
    si.nPage = 25;
    s.Set(si);
    TScrollLayout l = ScrollBarLayout::Compute({0, 0, 17, 234}, true, s, true);
    EXPECT_EQ(l.Up, (TRect{0, 0, 17, 17}));
    EXPECT_EQ(l.Down, (TRect{0, 217, 17, 234}));
    EXPECT_EQ(l.ThumbLength, 200 / 4) << "a quarter of the range in view: a quarter of the trough";
    for (int pos = 0; pos <= s.MaxPos(); ++pos) {
        int px = ScrollBarLayout::ThumbFromPos(l, s, pos);
        ASSERT_EQ(ScrollBarLayout::PosFromThumb(l, s, px), pos) << "position " << pos;
    }
    EXPECT_EQ(ScrollBarLayout::PosFromThumb(l, s, -40), 0);
    EXPECT_EQ(ScrollBarLayout::PosFromThumb(l, s, 1000), s.MaxPos());

    TScrollLayout tiny = ScrollBarLayout::Compute({0, 0, 17, 20}, true, s, true);
    EXPECT_EQ(tiny.Up.Height() + tiny.Down.Height(), 20) << "a short bar is all arrows";
    EXPECT_TRUE(tiny.Thumb.IsEmpty());
    s.SetDisabledArrows(ESB_DISABLE_DOWN);
    EXPECT_EQ(ScrollBarLayout::HitTest(l, s, {8, 225}), TScrollPart::spNone);
    EXPECT_EQ(ScrollBarLayout::HitTest(l, s, {8, 5}), TScrollPart::spLineUp);
    EXPECT_EQ(ScrollBarLayout::HitTest(l, s, {8, 200}), TScrollPart::spPageDown);
}

TEST_F(ScrollDriverTest, HoldingAnArrowRepeatsByTheTimerAndEndsWithEndScroll) {
    TPoint down = Screen(P.Bar, 8, 192);
    D.MouseMove(down.X, down.Y);
    D.MouseButton(down.X, down.Y, TMouseButton::mbLeft, true);
    EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN})) << "one step at once";
    D.Advance(ScrollTracker::kFirstDelay - 1);
    EXPECT_EQ(Codes().size(), 1u);
    D.Advance(1 + 3 * ScrollTracker::kRepeatDelay);
    EXPECT_EQ(Codes().size(), 5u) << "then one after the first delay and one per repeat";
    D.MouseButton(down.X, down.Y, TMouseButton::mbLeft, false);
    EXPECT_EQ(Codes().back(), SB_ENDSCROLL);
    EXPECT_EQ(Pos(P.Bar, SB_CTL), 5);
    for (const TScrollEvent& e : P.Events()) {
        EXPECT_EQ(e.Msg, WM_VSCROLL);
        EXPECT_EQ(e.From, P.Bar) << "a control names itself in lParam";
    }
    P.Clear();
    D.Advance(500);
    EXPECT_TRUE(P.Events().empty()) << "the repeat timer is gone after the release";
}

TEST_F(ScrollDriverTest, PagingRepeatsUntilTheThumbReachesThePointer) {
    // Trough 166 px for 100 items with a page of 10: the thumb is 16 px and moves ~1.67 px per item.
    TPoint p = Screen(P.Bar, 8, 110);
    D.MouseMove(p.X, p.Y);
    D.MouseButton(p.X, p.Y, TMouseButton::mbLeft, true);
    D.Advance(2000);
    D.MouseButton(p.X, p.Y, TMouseButton::mbLeft, false);
    std::vector<int> codes = Codes();
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), SB_PAGEDOWN), 5) << "pages stop once the thumb is under the pointer";
    EXPECT_EQ(codes.back(), SB_ENDSCROLL);
    int pos = Pos(P.Bar, SB_CTL);
    EXPECT_EQ(pos, 50);
}

TEST_F(ScrollDriverTest, DraggingTheThumbTracksAndReportsTheFinalPosition) {
    P.Follow = false; // the program leaves the position alone: only the tracked thumb moves
    TPoint grab = Screen(P.Bar, 8, 22);
    D.Drag(grab.X, grab.Y, grab.X, grab.Y + 83, 4);
    std::vector<TScrollEvent> ev = P.Events();
    ASSERT_GE(ev.size(), 3u);
    for (std::size_t i = 0; i + 2 < ev.size(); ++i) EXPECT_EQ(ev[i].Code, SB_THUMBTRACK);
    EXPECT_EQ(ev[ev.size() - 2].Code, SB_THUMBPOSITION);
    EXPECT_EQ(ev.back().Code, SB_ENDSCROLL);
    EXPECT_EQ(ev[ev.size() - 2].Pos, 50) << "half the free trough is half the positions";
    EXPECT_EQ(ev[ev.size() - 3].Pos, 50);
    EXPECT_EQ(Pos(P.Bar, SB_CTL), 0) << "the position is the program's to set";
}

TEST_F(ScrollDriverTest, AWindowsOwnBarScrollsTheWindowAndHidesWhenNothingIsLeftToScroll) {
    TRect wr = OnUi<TRect>([&] { TRect r; GetWindowRect(P.Main, &r); return r; });
    TRect client = OnUi<TRect>([&] { TRect r; GetClientRect(P.Main, &r); return r; });
    TPoint downArrow{wr.Right - 4 - 8, wr.Bottom - 4 - 8};
    EXPECT_EQ(OnUi<int>([&] { return static_cast<int>(SendMessage(P.Main, WM_NCHITTEST, 0, PointToLParam(downArrow))); }), HTVSCROLL);
    D.Click(downArrow.X, downArrow.Y);
    std::vector<TScrollEvent> ev = P.Events();
    ASSERT_EQ(ev.size(), 2u);
    EXPECT_EQ(ev[0], (TScrollEvent{WM_VSCROLL, SB_LINEDOWN, 0, nullptr})) << "sent to the window itself";
    EXPECT_EQ(ev[1].Code, SB_ENDSCROLL);
    EXPECT_EQ(Pos(P.Main, SB_VERT), 1);

    D.RunOnUi([&] {
        SCROLLINFO si;
        si.fMask = SIF_PAGE;
        si.nPage = 50;
        SetScrollInfo(P.Main, SB_VERT, &si, TRUE);
    });
    EXPECT_FALSE(OnUi<LONG_PTR>([&] { return GetWindowLongPtr(P.Main, GWL_STYLE); }) & WS_VSCROLL);
    EXPECT_EQ(OnUi<TRect>([&] { TRect r; GetClientRect(P.Main, &r); return r; }).Width(), client.Width() + GetSystemMetrics(SM_CXVSCROLL));

    D.RunOnUi([&] {
        SCROLLINFO si;
        si.fMask = SIF_PAGE | SIF_DISABLENOSCROLL;
        si.nPage = 60;
        ShowScrollBar(P.Main, SB_VERT, TRUE);
        SetScrollInfo(P.Main, SB_VERT, &si, TRUE);
    });
    EXPECT_TRUE(OnUi<LONG_PTR>([&] { return GetWindowLongPtr(P.Main, GWL_STYLE); }) & WS_VSCROLL) << "kept, but disabled";
    P.Clear();
    D.Click(downArrow.X, downArrow.Y);
    EXPECT_TRUE(P.Events().empty()) << "a disabled bar sends nothing";
}

TEST_F(ScrollDriverTest, KeysScrollAFocusedControlAndDisabledArrowsDoNothing) {
    D.RunOnUi([&] { SetFocus(P.Bar); });
    D.PressKey(VK_NEXT);
    D.PressKey(VK_END);
    D.PressKey(VK_LEFT); // not a vertical bar's key
    EXPECT_EQ(Codes(), (std::vector<int>{SB_PAGEDOWN, SB_ENDSCROLL, SB_BOTTOM, SB_ENDSCROLL}));
    EXPECT_EQ(Pos(P.Bar, SB_CTL), 90);
    P.Clear();
    D.RunOnUi([&] { EnableScrollBar(P.Bar, SB_CTL, ESB_DISABLE_DOWN); });
    TPoint down = Screen(P.Bar, 8, 192);
    D.Click(down.X, down.Y);
    EXPECT_TRUE(P.Events().empty());
    TPoint up = Screen(P.Bar, 8, 8);
    D.Click(up.X, up.Y);
    EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEUP, SB_ENDSCROLL}));
}
