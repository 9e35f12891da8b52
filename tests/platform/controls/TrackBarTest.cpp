// The track bar: range and ticks, geometry, keyboard, paging, dragging, parent notifications and
// a procedure put in front of it.
#include "platform/controls/Brushes.h"
#include "platform/controls/TrackBarCodes.h"
#include "platform/controls/TrackBarModel.h"
#include "SelectionTestFixture.h"

namespace {
class TrackBarTest : public SelectionTest {
protected:
    HWND Bar(DWORD style = 0, int w = 200, int h = 40) { return Make(TRACKBAR_CLASS, style, 10, 10, w, h); }
    int Pos(HWND tb) { return static_cast<int>(SendMessage(tb, TBM_GETPOS, 0, 0)); }
    TRect ThumbRect(HWND tb) {
        TRect r;
        SendMessage(tb, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    // (code, position) of every scroll message the host got.
    std::vector<std::pair<int, int>> Scrolls(UINT msg, HWND from) {
        std::vector<std::pair<int, int>> out;
        for (const TRecorded& r : HostGot(msg)) {
            EXPECT_EQ(reinterpret_cast<HWND>(r.LParam), from);
            out.push_back({LOWORD(r.WParam), HIWORD(r.WParam)});
        }
        return out;
    }
    using Codes = std::vector<std::pair<int, int>>;
};
}

TEST_F(TrackBarTest, RangeKeepsPositionInsideAndPageSizeFollowsItUntilSet) {
    HWND tb = Bar();
    EXPECT_EQ(SendMessage(tb, TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(SendMessage(tb, TBM_GETPAGESIZE, 0, 0), 20);
    SendMessage(tb, TBM_SETPOS, TRUE, 70);
    SendMessage(tb, TBM_SETRANGE, TRUE, MAKELPARAM(-10, 50));
    EXPECT_EQ(SendMessage(tb, TBM_GETRANGEMIN, 0, 0), -10);
    EXPECT_EQ(Pos(tb), 50);
    EXPECT_EQ(SendMessage(tb, TBM_GETPAGESIZE, 0, 0), 12);
    SendMessage(tb, TBM_SETPOS, TRUE, -500);
    EXPECT_EQ(Pos(tb), -10);
    EXPECT_EQ(SendMessage(tb, TBM_SETPAGESIZE, 0, 7), 12);
    SendMessage(tb, TBM_SETRANGEMAX, TRUE, 1000000);
    EXPECT_EQ(SendMessage(tb, TBM_GETRANGEMAX, 0, 0), 1000000) << "32-bit ends through SETRANGEMAX";
    EXPECT_EQ(SendMessage(tb, TBM_GETPAGESIZE, 0, 0), 7) << "a page size once set stays";
    SendMessage(tb, TBM_SETRANGEMAX, TRUE, -20);
    EXPECT_EQ(SendMessage(tb, TBM_GETRANGEMAX, 0, 0), -10) << "a maximum below the minimum is raised to it";
    EXPECT_EQ(Pos(tb), -10);
    EXPECT_EQ(SendMessage(tb, TBM_SETLINESIZE, 0, 3), 1);
    EXPECT_EQ(SendMessage(tb, TBM_GETLINESIZE, 0, 0), 3);
}

TEST_F(TrackBarTest, TicksComeFromTheFrequencyOrAreSetOneByOneAndLieUnderTheThumbCentre) {
    HWND tb = Bar(TBS_AUTOTICKS);
    SendMessage(tb, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessage(tb, TBM_SETTICFREQ, 3, 0);
    ASSERT_EQ(SendMessage(tb, TBM_GETNUMTICS, 0, 0), 5) << "3, 6, 9 and the two ends";
    EXPECT_EQ(SendMessage(tb, TBM_GETTIC, 1, 0), 6);
    EXPECT_EQ(SendMessage(tb, TBM_GETTIC, 3, 0), -1);
    const auto* tics = reinterpret_cast<const DWORD*>(SendMessage(tb, TBM_GETPTICS, 0, 0));
    ASSERT_TRUE(tics);
    EXPECT_EQ(tics[2], 9u);
    SendMessage(tb, TBM_SETPOS, TRUE, 6);
    TRect thumb = ThumbRect(tb);
    EXPECT_EQ(SendMessage(tb, TBM_GETTICPOS, 1, 0), thumb.Left + thumb.Width() / 2);

    SendMessage(tb, TBM_CLEARTICS, TRUE, 0);
    EXPECT_EQ(SendMessage(tb, TBM_GETNUMTICS, 0, 0), 2);
    EXPECT_TRUE(SendMessage(tb, TBM_SETTIC, 0, 7));
    EXPECT_TRUE(SendMessage(tb, TBM_SETTIC, 0, 2));
    EXPECT_FALSE(SendMessage(tb, TBM_SETTIC, 0, 10)) << "the ends have their ticks already";
    EXPECT_EQ(SendMessage(tb, TBM_GETTIC, 0, 0), 2);
    EXPECT_EQ(SendMessage(tb, TBM_GETTIC, 1, 0), 7);

    HWND none = Bar(TBS_NOTICKS | TBS_AUTOTICKS);
    EXPECT_EQ(SendMessage(none, TBM_GETNUMTICS, 0, 0), 0);
}

TEST_F(TrackBarTest, AutomaticTicksOverAHugeRangeAreThinnedInsteadOfExhaustingMemory) {
    HWND tb = Bar(TBS_AUTOTICKS);
    SendMessage(tb, TBM_SETRANGEMIN, FALSE, -2000000000);
    SendMessage(tb, TBM_SETRANGEMAX, TRUE, 2000000000);
    LRESULT n = SendMessage(tb, TBM_GETNUMTICS, 0, 0);
    EXPECT_GT(n, 2);
    EXPECT_LE(n, TrackBarModel::kMaxAutoTicks + 2);
    EXPECT_LT(SendMessage(tb, TBM_GETTIC, 0, 0), SendMessage(tb, TBM_GETTIC, 1, 0));
    SendMessage(tb, TBM_SETPOS, TRUE, 2000000000);
    TRect channel;
    SendMessage(tb, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    EXPECT_EQ(ThumbRect(tb).Right, channel.Right) << "no overflow on the far end";
}

TEST_F(TrackBarTest, ThumbTravelsTheChannelAndAVerticalChannelIsReportedWithAxesExchanged) {
    HWND tb = Bar(TBS_FIXEDLENGTH, 200, 40);
    SendMessage(tb, TBM_SETTHUMBLENGTH, 15, 0);
    EXPECT_EQ(SendMessage(tb, TBM_GETTHUMBLENGTH, 0, 0), 15);
    TRect channel;
    SendMessage(tb, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    TRect atMin = ThumbRect(tb);
    EXPECT_EQ(atMin.Height(), 15);
    EXPECT_EQ(atMin.Left, channel.Left);
    SendMessage(tb, TBM_SETPOS, TRUE, 100);
    EXPECT_EQ(ThumbRect(tb).Right, channel.Right);
    EXPECT_GT(channel.Top, atMin.Top);
    EXPECT_LT(channel.Bottom, atMin.Bottom) << "the channel runs through the thumb";

    HWND loose = Bar(0, 200, 40);
    SendMessage(loose, TBM_SETTHUMBLENGTH, 30, 0);
    EXPECT_LE(SendMessage(loose, TBM_GETTHUMBLENGTH, 0, 0), 40 - 4) << "without TBS_FIXEDLENGTH the thumb fits the window";

    HWND vert = Make(TRACKBAR_CLASS, TBS_VERT, 250, 10, 40, 200);
    TRect swapped;
    SendMessage(vert, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&swapped));
    EXPECT_GT(swapped.Width(), swapped.Height()) << "long side reported as the width";
    TRect top = ThumbRect(vert);
    EXPECT_EQ(top.Top, swapped.Left);
    EXPECT_GT(top.Height(), 0);
    EXPECT_GT(top.Width(), top.Height()) << "a vertical thumb lies across";
}

TEST_F(TrackBarTest, KeysMoveByLineAndPageToTheEndsAndReportEachStepThenTheEndOnRelease) {
    HWND tb = Bar();
    SendMessage(tb, TBM_SETPAGESIZE, 0, 25);
    SetFocus(tb);
    Log.clear();
    Key(VK_RIGHT);
    EXPECT_EQ(Pos(tb), 1);
    Key(VK_NEXT);
    EXPECT_EQ(Pos(tb), 26);
    Key(VK_UP);
    EXPECT_EQ(Pos(tb), 25);
    Key(VK_END);
    EXPECT_EQ(Pos(tb), 100);
    Key(VK_PRIOR);
    EXPECT_EQ(Pos(tb), 75);
    Key(VK_HOME);
    EXPECT_EQ(Pos(tb), 0);
    Key(VK_LEFT);
    EXPECT_EQ(Pos(tb), 0);
    Codes want = {{TB_LINEDOWN, 0}, {TB_ENDTRACK, 0}, {TB_PAGEDOWN, 0}, {TB_ENDTRACK, 0}, {TB_LINEUP, 0},
                  {TB_ENDTRACK, 0}, {TB_BOTTOM, 0},   {TB_ENDTRACK, 0}, {TB_PAGEUP, 0},  {TB_ENDTRACK, 0},
                  {TB_TOP, 0},      {TB_ENDTRACK, 0}, {TB_LINEUP, 0},   {TB_ENDTRACK, 0}};
    EXPECT_EQ(Scrolls(WM_HSCROLL, tb), want);
    EXPECT_EQ(SendMessage(tb, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);

    HWND vert = Make(TRACKBAR_CLASS, TBS_VERT, 250, 10, 40, 200);
    SetFocus(vert);
    Log.clear();
    Key(VK_DOWN);
    EXPECT_EQ(Pos(vert), 1);
    EXPECT_EQ(Scrolls(WM_VSCROLL, vert), (Codes{{TB_LINEDOWN, 0}, {TB_ENDTRACK, 0}}));
    EXPECT_TRUE(HostGot(WM_HSCROLL).empty());
}

TEST_F(TrackBarTest, PressInTheChannelPagesTowardThePointWithRepeatUntilTheThumbGetsThere) {
    HWND tb = Bar();
    TRect channel;
    SendMessage(tb, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    TPoint target{channel.Left + channel.Width() * 3 / 4, channel.Top + 1};
    Log.clear();
    Press(tb, target, true);
    EXPECT_EQ(Pos(tb), 20) << "one page at once";
    EXPECT_EQ(GetFocus(), tb);
    Advance(400);
    EXPECT_EQ(Pos(tb), 40);
    for (int i = 0; i < 10; ++i) Advance(100);
    EXPECT_TRUE(ThumbRect(tb).Contains({target.X, ThumbRect(tb).Top})) << "stops under the pointer";
    int reached = Pos(tb);
    EXPECT_GE(reached, 60);
    EXPECT_LE(reached, 80);
    Press(tb, target, false);
    auto scrolls = Scrolls(WM_HSCROLL, tb);
    ASSERT_FALSE(scrolls.empty());
    EXPECT_EQ(scrolls.back(), std::make_pair(TB_ENDTRACK, 0));
    for (std::size_t i = 0; i + 1 < scrolls.size(); ++i) EXPECT_EQ(scrolls[i].first, TB_PAGEDOWN);
    EXPECT_EQ(GetCapture(), nullptr);
    Advance(500);
    EXPECT_EQ(Pos(tb), reached) << "the repeat ends with the release";
}

TEST_F(TrackBarTest, DraggingTheThumbTracksThenReportsTheFinalPosition) {
    HWND tb = Bar();
    SendMessage(tb, TBM_SETPOS, TRUE, 50);
    TRect thumb = ThumbRect(tb);
    TPoint grab = Centre(thumb);
    TRect channel;
    SendMessage(tb, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    Log.clear();
    Press(tb, grab, true);
    MouseAt(tb, {grab.X + 30, grab.Y + 15});
    int mid = Pos(tb);
    EXPECT_GT(mid, 60);
    MouseAt(tb, {channel.Right + 50, grab.Y});
    EXPECT_EQ(Pos(tb), 100);
    MouseAt(tb, {-40, grab.Y});
    EXPECT_EQ(Pos(tb), 0);
    Press(tb, {-40, grab.Y}, false);
    Codes want = {{TB_THUMBTRACK, mid}, {TB_THUMBTRACK, 100}, {TB_THUMBTRACK, 0}, {TB_THUMBPOSITION, 0}, {TB_ENDTRACK, 0}};
    EXPECT_EQ(Scrolls(WM_HSCROLL, tb), want);
}

TEST_F(TrackBarTest, WheelMovesByLinesAwayFromTheUserTowardTheMinimum) {
    HWND tb = Bar();
    SendMessage(tb, TBM_SETPOS, TRUE, 50);
    SetFocus(tb);
    Log.clear();
    Wheel(tb, {5, 5}, 240);
    EXPECT_EQ(Pos(tb), 48);
    Wheel(tb, {5, 5}, -120);
    EXPECT_EQ(Pos(tb), 49);
    EXPECT_EQ(Scrolls(WM_HSCROLL, tb),
              (Codes{{TB_LINEUP, 0}, {TB_LINEUP, 0}, {TB_ENDTRACK, 0}, {TB_LINEDOWN, 0}, {TB_ENDTRACK, 0}}));
}

TEST_F(TrackBarTest, PaintingShowsTheThumbWhereThePositionIsAndUsesTheParentsColour) {
    HWND tb = Bar();
    TRect channel;
    SendMessage(tb, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    TRect atZero = ThumbRect(tb);
    TPoint inChannel{atZero.Left + 3, channel.Top + channel.Height() / 2};
    EXPECT_EQ(Pixel(tb, inChannel.X, inChannel.Y), ColorToRGB(clBtnFace)) << "the thumb covers the channel";
    SendMessage(tb, TBM_SETPOS, TRUE, 100);
    EXPECT_EQ(Pixel(tb, inChannel.X, inChannel.Y), ColorToRGB(clWindow)) << "the channel shows once the thumb left";
    SendMessage(tb, TBM_SETPOS, FALSE, 0);
    EXPECT_EQ(Pixel(tb, inChannel.X, inChannel.Y), ColorToRGB(clWindow)) << "no redraw was asked for";

    On(WM_CTLCOLORSTATIC, [&](HWND, WPARAM w, LPARAM l, LRESULT& r) {
        EXPECT_EQ(reinterpret_cast<HWND>(l), tb);
        (void)w;
        r = reinterpret_cast<LRESULT>(CreateSolidBrush(RGB(10, 200, 30)));
        return true;
    });
    InvalidateRect(tb, nullptr, TRUE);
    EXPECT_EQ(Pixel(tb, 190, 1), RGB(10, 200, 30));
}

TEST_F(TrackBarTest, ItPaintsIntoAGivenContextThroughPrintAndThroughPaintWithAContext) {
    HWND tb = Bar();
    SendMessage(tb, TBM_SETPOS, TRUE, 100);
    TPoint c = Centre(ThumbRect(tb));
    for (UINT msg : {WM_PRINTCLIENT, WM_PAINT}) {
        Bitmap image(200, 40);
        DeviceContext dc(&image);
        dc.FillRect({0, 0, 200, 40}, clFuchsia);
        SendMessage(tb, msg, reinterpret_cast<WPARAM>(&dc), PRF_CLIENT);
        EXPECT_EQ(image.Pixel(c.X, c.Y), ColorToRGB(clBtnFace)) << "message " << msg;
        EXPECT_EQ(image.Pixel(1, 38), ColorToRGB(clBtnFace)) << "the whole client, not only the parts";
    }
}

TEST_F(TrackBarTest, AProcedureInFrontSeesPaintAndInputAndCanReplaceThePainting) {
    HWND tb = Bar();
    std::vector<UINT> seen;
    WNDPROC below;
    below = SetWindowProc(tb, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        seen.push_back(m);
        if (m == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            dc->FillRect({0, 0, 200, 40}, clFuchsia);
            EndPaint(h, &ps);
            return 0;
        }
        return CallWindowProc(below, h, m, w, l);
    });
    InvalidateRect(tb, nullptr, TRUE);
    TPoint c = Centre(ThumbRect(tb));
    EXPECT_EQ(Pixel(tb, c.X, c.Y), ColorToRGB(clFuchsia));
    ClickAt(tb, {190, c.Y});
    Key(VK_RIGHT);
    EXPECT_EQ(Pos(tb), 21) << "the control still works behind the procedure";
    for (UINT m : {WM_PAINT, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_SETFOCUS})
        EXPECT_NE(std::find(seen.begin(), seen.end(), m), seen.end()) << "message " << m;
    EXPECT_EQ(Pixel(tb, c.X, c.Y), ColorToRGB(clFuchsia)) << "input never paints outside WM_PAINT";
    RemoveWindowProc(tb, below);
}
