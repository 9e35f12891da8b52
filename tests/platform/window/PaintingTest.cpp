// Pixels: child and sibling clipping, window regions, layered windows, redraw switching, WM_PRINT.
#include "WindowTestFixture.h"
#include "platform/window/Compositor.h"

#include <limits>
#include <map>
#include <vector>

namespace {
class PaintingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        On(WM_ERASEBKGND, [](HWND, WPARAM, LPARAM, LRESULT& r) { r = 1; return true; });
        On(WM_PAINT, [this](HWND h, WPARAM, LPARAM, LRESULT&) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            TRect rc;
            GetClientRect(h, &rc);
            if (Colors.count(h)) dc->FillRect(rc, Colors[h]);
            EndPaint(h, &ps);
            return true;
        });
    }
    TColor At(int x, int y) { return CaptureScreen().Pixel(x, y); }
    HWND Popup(int x, int y, int w, int h, TColor c, DWORD style = 0, DWORD ex = 0) {
        HWND hw = Top("", x, y, w, h, WS_POPUP | style, ex);
        Colors[hw] = c;
        ShowWindow(hw, SW_SHOW);
        return hw;
    }
    HWND Kid(HWND parent, int x, int y, int w, int h, TColor c, DWORD style = 0) {
        HWND hw = Child(parent, x, y, w, h, style);
        Colors[hw] = c;
        ShowWindow(hw, SW_SHOW);
        return hw;
    }
    std::map<HWND, TColor> Colors;
    const TColor kDesktop = GetSysColor(COLOR_BACKGROUND);
};
}

TEST_F(PaintingTest, ChildrenAndOverlappingSiblingsAreClippedAsTheirStylesSay) {
    HWND top = Popup(0, 0, 200, 200, clLime, WS_CLIPCHILDREN);
    HWND upper = Kid(top, 10, 10, 60, 60, clRed, WS_CLIPSIBLINGS);
    HWND lower = Kid(top, 40, 40, 80, 80, clBlue, WS_CLIPSIBLINGS);
    Pump();
    EXPECT_EQ(At(5, 5), clLime);
    EXPECT_EQ(At(20, 20), clRed);
    EXPECT_EQ(At(50, 50), clRed) << "the upper sibling covers the overlap";
    EXPECT_EQ(At(100, 100), clBlue);
    // Repainting the lower sibling alone must not reach into the upper one.
    InvalidateRect(lower, nullptr, TRUE);
    Pump();
    EXPECT_EQ(At(50, 50), clRed);
    // Nor may the parent paint over its children.
    InvalidateRect(top, nullptr, TRUE);
    Pump();
    EXPECT_EQ(At(50, 50), clRed);
    EXPECT_EQ(At(100, 100), clBlue);
    EXPECT_EQ(Count(upper, WM_PAINT), 1) << "a clipping parent's repaint leaves its children alone";
}

TEST_F(PaintingTest, WithoutClippingStylesTheLaterPainterWinsAndParentRepaintsReachChildren) {
    HWND top = Popup(0, 0, 200, 200, clLime);
    HWND upper = Kid(top, 10, 10, 60, 60, clRed);
    HWND lower = Kid(top, 40, 40, 80, 80, clBlue);
    Pump();
    InvalidateRect(lower, nullptr, TRUE);
    UpdateWindow(lower);
    EXPECT_EQ(At(50, 50), clBlue) << "without WS_CLIPSIBLINGS the lower sibling paints over the upper";
    int before = Count(upper, WM_PAINT);
    InvalidateRect(top, nullptr, TRUE);
    Pump();
    EXPECT_EQ(Count(upper, WM_PAINT), before + 1) << "a parent that does not clip its children repaints them too";
    EXPECT_EQ(At(20, 20), clRed);
}

TEST_F(PaintingTest, WindowRegionsCutPixelsAndHitTests) {
    HWND below = Popup(0, 0, 300, 300, clBlue);
    HWND shaped = Popup(50, 50, 100, 100, clRed);
    Region l = Region::FromRects({{0, 0, 100, 50}, {0, 50, 50, 100}}); // an L: bottom-right quarter cut away
    SetWindowRgn(shaped, &l, TRUE);
    Pump();
    EXPECT_EQ(At(60, 60), clRed);
    EXPECT_EQ(At(120, 120), clBlue) << "the cut-away corner shows the window below";
    EXPECT_EQ(WindowFromPoint({120, 120}), below);
    EXPECT_EQ(WindowFromPoint({60, 60}), shaped);
    Region got;
    EXPECT_EQ(GetWindowRgn(shaped, &got), COMPLEXREGION);
    EXPECT_EQ(got, l);

    HWND kid = Kid(below, 200, 200, 60, 60, clYellow);
    Region dot(TRect{0, 0, 20, 20});
    SetWindowRgn(kid, &dot, TRUE);
    Pump();
    EXPECT_EQ(At(210, 210), clYellow);
    EXPECT_EQ(At(240, 240), clBlue);
    EXPECT_EQ(WindowFromPoint({240, 240}), below);
    SetWindowRgn(shaped, nullptr, TRUE);
    Pump();
    EXPECT_EQ(At(120, 120), clRed);
    EXPECT_EQ(GetWindowRgn(shaped, &got), RGN_ERROR);
}

TEST_F(PaintingTest, LayeredWindowsBlendByTheirAlphaAndKeyColour) {
    HWND layered = Popup(100, 100, 50, 50, RGB(200, 100, 0), 0, WS_EX_LAYERED | WS_EX_TOPMOST);
    Pump();
    EXPECT_EQ(At(110, 110), kDesktop) << "a layered window with no attributes yet is not shown";
    SetLayeredWindowAttributes(layered, 0, 128, LWA_ALPHA);
    auto blend = [](int s, int d, int a) { return (s * a + 127) / 255 + (d * (255 - a) + 127) / 255; };
    TColor got = At(110, 110);
    EXPECT_EQ(GetRValue(got), blend(200, GetRValue(kDesktop), 128));
    EXPECT_EQ(GetGValue(got), blend(100, GetGValue(kDesktop), 128));
    EXPECT_EQ(GetBValue(got), blend(0, GetBValue(kDesktop), 128));
    SetLayeredWindowAttributes(layered, RGB(200, 100, 0), 255, LWA_COLORKEY);
    EXPECT_EQ(At(110, 110), kDesktop);
    EXPECT_NE(WindowFromPoint({110, 110}), layered) << "key-coloured pixels let clicks through";
}

TEST_F(PaintingTest, PerPixelAlphaImageIsComposedPremultipliedWithGlobalAlpha) {
    HWND layered = Top("", 0, 0, 2, 1, WS_POPUP, WS_EX_LAYERED);
    ShowWindow(layered, SW_SHOWNA);
    Bitmap image(2, 1, TPixelFormat::pf32bit);
    // Premultiplied: (r, g, b) <= a.
    auto put = [&](int x, int r, int g, int b, int a) {
        std::uint8_t* p = image.ScanLine(0) + x * 4;
        p[0] = static_cast<std::uint8_t>(b);
        p[1] = static_cast<std::uint8_t>(g);
        p[2] = static_cast<std::uint8_t>(r);
        p[3] = static_cast<std::uint8_t>(a);
    };
    put(0, 100, 50, 0, 100);
    put(1, 0, 0, 0, 0);
    DeviceContext src(&image);
    BLENDFUNCTION bf{AC_SRC_OVER, 0, 200, AC_SRC_ALPHA};
    TPoint pos{300, 300};
    TSize size{2, 1};
    TPoint origin{0, 0};
    ASSERT_TRUE(UpdateLayeredWindow(layered, nullptr, &pos, &size, &src, &origin, 0, &bf, ULW_ALPHA));
    auto mul = [](int a, int b) { return (a * b + 127) / 255; };
    int sa = mul(100, 200);
    TColor got = At(300, 300);
    EXPECT_EQ(GetRValue(got), mul(100, 200) + mul(GetRValue(kDesktop), 255 - sa));
    EXPECT_EQ(GetGValue(got), mul(50, 200) + mul(GetGValue(kDesktop), 255 - sa));
    EXPECT_EQ(GetBValue(got), mul(0, 200) + mul(GetBValue(kDesktop), 255 - sa));
    EXPECT_EQ(At(301, 300), kDesktop) << "a transparent pixel leaves the screen as it was";
    EXPECT_EQ(WindowFromPoint({301, 300}), nullptr);
}

TEST_F(PaintingTest, RedrawSwitchedOffHidesChangesUntilARedrawIsAsked) {
    HWND top = Popup(0, 0, 100, 100, clLime);
    Pump();
    SendMessage(top, WM_SETREDRAW, FALSE, 0);
    HDC dc = GetDC(top);
    dc->FillRect({0, 0, 100, 100}, clRed);
    ReleaseDC(top, dc);
    Colors[top] = clBlue;
    InvalidateRect(top, nullptr, TRUE);
    Pump();
    EXPECT_EQ(At(50, 50), clLime);
    SendMessage(top, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(At(50, 50), clLime) << "switching redraw on repaints nothing by itself";
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(At(50, 50), clBlue);
}

TEST_F(PaintingTest, PrintDrawsFrameClientAndChildrenIntoAGivenContext) {
    HWND top = Top("", 0, 0, 120, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Colors[top] = clLime;
    HWND kid = Kid(top, 10, 10, 20, 20, clRed);
    On(WM_PRINTCLIENT, [&](HWND h, WPARAM w, LPARAM, LRESULT&) {
        HDC dc = reinterpret_cast<HDC>(w);
        TRect rc;
        GetClientRect(h, &rc);
        dc->FillRect(rc, Colors[h]);
        return true;
    });
    Bitmap out(120, 100);
    out.Fill(clBlack);
    DeviceContext dc(&out);
    SendMessage(top, WM_PRINT, reinterpret_cast<WPARAM>(&dc), PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN);
    TPoint c{0, 0};
    MapWindowPoints(kid, nullptr, &c, 1);
    EXPECT_EQ(out.Pixel(c.X + 5, c.Y + 5), clRed);
    TPoint tc{0, 0};
    ClientToScreen(top, &tc);
    EXPECT_EQ(out.Pixel(tc.X + 60, tc.Y + 50), clLime);
    EXPECT_NE(out.Pixel(1, 1), clBlack) << "the frame was drawn";
}

TEST_F(PaintingTest, AContextOutlivingItsWindowDrawsNowhereAndStillReleases) {
    HWND h = Popup(0, 0, 100, 100, clLime);
    Pump();
    On(WM_PAINT, [h](HWND hw, WPARAM, LPARAM, LRESULT&) {
        if (hw != h) return false;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hw, &ps);
        DestroyWindow(hw);
        dc->FillRect({0, 0, 10, 10}, clRed);
        EXPECT_TRUE(EndPaint(hw, &ps));
        return true;
    });
    InvalidateRect(h, nullptr, TRUE);
    Pump();
    EXPECT_FALSE(IsWindow(h));
    HWND g = Popup(0, 0, 100, 100, clLime);
    Pump();
    HDC dc = GetDC(g);
    ASSERT_NE(dc, nullptr);
    DestroyWindow(g);
    Pump(); // the window's record is freed once no handler runs
    dc->FillRect({0, 0, 50, 50}, clRed);
    EXPECT_EQ(ReleaseDC(g, dc), 1);
    EXPECT_EQ(At(5, 5), kDesktop);
}

TEST_F(PaintingTest, ValidatingWithNoFrameDropsAPendingFramePaint) {
    HWND h = Top("w", 0, 0, 200, 150);
    Pump();
    Log.clear();
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    RedrawWindow(h, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOERASE | RDW_NOCHILDREN);
    Pump();
    EXPECT_EQ(Count(h, WM_NCPAINT), 0);
    EXPECT_EQ(Count(h, WM_ERASEBKGND), 0);
    EXPECT_EQ(Count(h, WM_PAINT), 0);
}

TEST_F(PaintingTest, RedrawWindowFlagsChooseWhatIsPaintedAndWhen) {
    HWND top = Popup(0, 0, 200, 200, clLime);
    HWND kid = Kid(top, 10, 10, 50, 50, clRed);
    Pump();
    Log.clear();
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
    EXPECT_EQ(Count(top, WM_PAINT), 0) << "invalidating alone waits for the loop";
    RedrawWindow(top, nullptr, nullptr, RDW_ERASENOW);
    EXPECT_EQ(Count(top, WM_ERASEBKGND), 1);
    EXPECT_EQ(Count(top, WM_PAINT), 0) << "erase now leaves the paint for later";
    RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW);
    EXPECT_EQ(Count(top, WM_ERASEBKGND), 1);
    EXPECT_EQ(Count(top, WM_PAINT), 1);
    EXPECT_EQ(Count(kid, WM_PAINT), 0) << "RDW_NOCHILDREN left the child valid";

    Log.clear();
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::vector<HWND> painted;
    for (const TRecorded& r : Log)
        if (r.Msg == WM_PAINT) painted.push_back(r.Hwnd);
    EXPECT_EQ(painted, (std::vector<HWND>{top, kid})) << "at once, parent first";

    // An internal paint: WM_PAINT with nothing invalid, and it can be taken back.
    Log.clear();
    RedrawWindow(top, nullptr, nullptr, RDW_INTERNALPAINT | RDW_NOCHILDREN);
    TRect upd;
    EXPECT_FALSE(GetUpdateRect(top, &upd, FALSE));
    Pump();
    EXPECT_EQ(Count(top, WM_PAINT), 1);
    RedrawWindow(top, nullptr, nullptr, RDW_INTERNALPAINT | RDW_NOCHILDREN);
    RedrawWindow(top, nullptr, nullptr, RDW_NOINTERNALPAINT | RDW_NOCHILDREN);
    Pump();
    EXPECT_EQ(Count(top, WM_PAINT), 1);

    // Validating part leaves the rest; a region in client coordinates reaches only what it covers.
    InvalidateRect(top, nullptr, FALSE);
    TRect left{0, 0, 100, 200};
    ValidateRect(top, &left);
    ASSERT_TRUE(GetUpdateRect(top, &upd, FALSE));
    EXPECT_EQ(upd, (TRect{100, 0, 200, 200}));
    Region spot(TRect{150, 150, 160, 160});
    ValidateRect(top, nullptr);
    InvalidateRgn(top, &spot, FALSE);
    Region got;
    EXPECT_EQ(GetUpdateRgn(top, &got, FALSE), SIMPLEREGION);
    EXPECT_EQ(got.BoundingBox(), (TRect{150, 150, 160, 160}));
}

TEST_F(PaintingTest, ActivationAndCaptionTextRepaintTheFrameButLeaveTheClientAlone) {
    // A client repainted without being erased would draw see-through controls over themselves.
    HWND h = Top("w", 0, 0, 200, 150, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Pump();
    Log.clear();
    SendMessage(h, WM_NCACTIVATE, FALSE, 0);
    SetWindowText(h, "renamed");
    TRect upd;
    EXPECT_FALSE(GetUpdateRect(h, &upd, FALSE));
    Pump();
    EXPECT_GE(Count(h, WM_NCPAINT), 1);
    EXPECT_EQ(Count(h, WM_PAINT), 0);
}

TEST_F(PaintingTest, AWindowTooLargeForItsBackingIsReportedOnceAndPaintsAgainAtASizeThatFits) {
    HWND w = Popup(10, 10, 100, 80, clRed);
    Pump();
    // No bitmap of that many pixels can be had: the move itself succeeds, and the message loop
    // is told why the window shows nothing.
    const int huge = std::numeric_limits<int>::max();
    EXPECT_TRUE(SetWindowPos(w, nullptr, 0, 0, huge, huge, SWP_NOZORDER));
    TRect r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r, Bounds(0, 0, huge, huge));
    std::vector<MSG> failures;
    auto collect = [&] {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == BackingFailedMessage()) failures.push_back(msg);
            else DispatchMessage(&msg);
        }
    };
    collect();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].hwnd, nullptr);
    EXPECT_EQ(failures[0].wParam, static_cast<WPARAM>(huge));
    EXPECT_EQ(failures[0].lParam, static_cast<LPARAM>(huge));
    // Changes that keep the size, as a menu bar let go while the window is destroyed, try no
    // allocation again; drawing meanwhile goes nowhere.
    DrawMenuBar(w);
    ShowWindow(w, SW_HIDE);
    ShowWindow(w, SW_SHOW);
    InvalidateRect(w, nullptr, TRUE);
    UpdateWindow(w);
    collect();
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(At(50, 50), kDesktop);
    // A size that fits gives the window its pixels back.
    SetWindowPos(w, nullptr, 10, 10, 100, 80, SWP_NOZORDER);
    Pump();
    EXPECT_EQ(At(50, 50), clRed);
}
