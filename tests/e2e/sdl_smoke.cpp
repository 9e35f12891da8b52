// Smoke test of the desktop back end under an X server (Xvfb): a window with a child button, a
// shaped popup and a half-transparent layered window over the first; real X input (xdotool)
// clicks the button and types; the X screen must then show every window's pixels exactly as our
// backing bitmaps hold them, the window beneath where a shape cuts the popup away, and the layered
// window as our own compositor blends it over the X screen beneath, also after the first window
// is resized; every window shares the screen's colormap; an X error for a window already gone
// does not end the program; a minimised window leaves the screen; text put on the X clipboard
// comes back unchanged.
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Compositor.h"
#include "platform/window/Win.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"
#include "tests/e2e/sdl_screen_colormap.h"
#include "tests/e2e/sdl_xdotool.h"

#include <atomic>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {
std::atomic<int> gClicks{0};
std::atomic<bool> gReady{false};
std::atomic<bool> gToolsDone{false};
std::atomic<bool> gToolsFailed{false};
std::atomic<bool> gCaptureSet{false};
std::string gTyped;
TPoint gButtonCentre;
TRect gButtonRect;
std::optional<TPoint> gCapturedMove; // a move far outside every window, seen through our capture
constexpr TPoint kFarAway{900, 700};

// The user's side: real pointer and key events through the X server's test extension.
void User(SdlBackend& backend) {
    while (!gReady) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::string x = std::to_string(gButtonCentre.X), y = std::to_string(gButtonCentre.Y);
    bool ok = RunTool({"xdotool", "mousemove", "--sync", x, y}) && RunTool({"xdotool", "click", "1"}) &&
              RunTool({"xdotool", "type", "--delay", "20", "ok"});
    while (ok && !gCaptureSet) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // Leaving the window reports where the pointer left; only a grab reports the move after that.
    ok = ok && RunTool({"xdotool", "mousemove", "--sync", "880", "690"}) &&
         RunTool({"xdotool", "mousemove", "--sync", std::to_string(kFarAway.X), std::to_string(kFarAway.Y)});
    gToolsFailed = !ok;
    gToolsDone = true;
    backend.Wake();
}

LRESULT ButtonProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        TRect rc;
        GetClientRect(h, &rc);
        dc->FillRect(rc, gClicks ? RGB(120, 200, 120) : RGB(230, 230, 230));
        dc->FrameRect(rc, RGB(0, 0, 0));
        dc->SetBkMode(TRANSPARENT);
        DrawText(dc, gClicks ? "Clicked" : "Click", &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(h, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetCapture(h);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == h) {
            ReleaseCapture();
            ++gClicks;
            InvalidateRect(h, nullptr, TRUE);
        }
        return 0;
    case WM_MOUSEMOVE: {
        TPoint p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
        if (GetCapture() == h && p == TPoint{kFarAway.X - gButtonRect.Left, kFarAway.Y - gButtonRect.Top})
            gCapturedMove = p;
        return 0;
    }
    case WM_CHAR:
        gTyped += static_cast<char>(w);
        return 0;
    default:
        return DefWindowProc(h, m, w, l);
    }
}

// Compares the X screen inside `r` with our own compositor's picture of all windows over the empty
// desktop: a window's pixels inside its shape, what lies beneath it outside. Pixels in `skip` are
// left out.
int Mismatches(const Bitmap& screen, const Bitmap& composed, const TRect& r, const char* what,
               const TRect& skip = {}) {
    int bad = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (!skip.Contains({x, y}) && screen.Pixel(x, y) != composed.Pixel(x, y) && bad++ < 5)
                std::fprintf(stderr, "sdl_smoke: %s pixel %d,%d is %06X, not %06X\n", what, x, y,
                             static_cast<unsigned>(screen.Pixel(x, y)), static_cast<unsigned>(composed.Pixel(x, y)));
    return bad;
}

HWND FindWindowButton(HWND top) {
    return GetWindow(top, GW_CHILD);
}

HWND MakeWindows(HWND& popup, HWND& layered) {
    WNDCLASS frame;
    frame.lpszClassName = "SmokeFrame";
    frame.hbrBackground = clBtnFace;
    frame.lpfnWndProc = DefWindowProc;
    RegisterClass(frame);
    WNDCLASS button;
    button.lpszClassName = "SmokeButton";
    button.lpfnWndProc = ButtonProc;
    RegisterClass(button);
    HWND top = CreateWindowEx(0, "SmokeFrame", "Smoke", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                              100, 80, 360, 240, nullptr, nullptr);
    HWND b = CreateWindowEx(0, "SmokeButton", "", WS_CHILD | WS_VISIBLE, 40, 40, 120, 32, top, nullptr);
    SetFocus(b);
    TRect br;
    GetWindowRect(b, &br);
    gButtonRect = br;
    gButtonCentre = {(br.Left + br.Right) / 2, (br.Top + br.Bottom) / 2};
    // Half over the first window: the part its shape cuts away must show that window, not a box.
    popup = CreateWindowEx(WS_EX_TOOLWINDOW, "SmokeFrame", "Shaped", WS_POPUP | WS_BORDER, 380, 90, 200, 160,
                           nullptr, nullptr);
    Region cross = Region::FromRects({{60, 0, 140, 160}, {0, 50, 200, 110}});
    SetWindowRgn(popup, &cross, FALSE);
    // Half over the first window, half over the desktop.
    layered = CreateWindowEx(WS_EX_LAYERED | WS_EX_TOOLWINDOW, "SmokeButton", "", WS_POPUP, 380, 260, 160,
                             100, nullptr, nullptr);
    SetLayeredWindowAttributes(layered, 0, 160, LWA_ALPHA);
    return top;
}

TRect BoundsOf(HWND hwnd) {
    TRect r;
    GetWindowRect(hwnd, &r);
    return r;
}

Bitmap ComposedScreen(const Bitmap& empty) {
    WindowSystem* ws = WindowSystem::Current();
    return Compositor::ComposeOver(empty, {ws->TopLevels().rbegin(), ws->TopLevels().rend()});
}

int Check(HWND top, HWND popup, HWND layered, const Bitmap& empty, const char* shotFile) {
    if (gToolsFailed) {
        std::fprintf(stderr, "sdl_smoke: xdotool failed\n");
        return 1;
    }
    int failures = 0;
    if (gClicks != 1) {
        std::fprintf(stderr, "sdl_smoke: %d clicks arrived, not 1\n", gClicks.load());
        ++failures;
    }
    if (!gCapturedMove) {
        std::fprintf(stderr, "sdl_smoke: the captured button never saw the pointer at %d,%d\n", kFarAway.X,
                     kFarAway.Y);
        ++failures;
    }
    if (gTyped != "ok") {
        std::fprintf(stderr, "sdl_smoke: typed text arrived as '%s', not 'ok'\n", gTyped.c_str());
        ++failures;
    }
    SetClipboardText("Судоку 1.0");
    if (GetClipboardText() != "Судоку 1.0") {
        std::fprintf(stderr, "sdl_smoke: the X clipboard gave back '%s'\n", GetClipboardText().c_str());
        ++failures;
    }
    // An X error for a window already gone (a request on its way as the window closed) must not
    // end the program.
    if (!SendToGoneWindow()) {
        std::fprintf(stderr, "sdl_smoke: no second connection to the display\n");
        ++failures;
    }
    for (const std::string& name : WindowsWithOwnColormap()) {
        std::fprintf(stderr, "sdl_smoke: window '%s' has a colormap of its own\n", name.c_str());
        ++failures;
    }
    // A new size gives the real window a new surface, which must show the whole repaint.
    MoveWindow(top, 90, 70, 390, 260, TRUE);
    UpdateWindow(top);
    Bitmap screen = CaptureScreen();
    if (shotFile) WritePngFile(shotFile, screen, nullptr);
    // A desktop without a compositing manager cannot blend: the layered window shows what our own
    // compositor makes of it over our windows below and the X screen that lay beneath it.
    const Bitmap composed = ComposedScreen(empty);
    if (Mismatches(screen, composed, BoundsOf(top), "window") ||
        Mismatches(screen, composed, BoundsOf(popup), "shaped") ||
        Mismatches(screen, composed, BoundsOf(layered), "layered"))
        ++failures;
    // Minimised, the first window leaves the screen: what shows there is the windows left above
    // the empty desktop (the layered window keeps the blend it was shown with, and is left out).
    const TRect frame = BoundsOf(top);
    ShowWindow(top, SW_MINIMIZE);
    if (Mismatches(CaptureScreen(), ComposedScreen(empty), frame, "minimised window's", BoundsOf(layered)))
        ++failures;
    return failures ? 1 : 0;
}
} // namespace

int main(int argc, char** argv) {
    const char* shotFile = argc > 1 ? argv[1] : nullptr;
    std::string why;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(&why);
    if (!backend) {
        std::fprintf(stderr, "sdl_smoke: no display: %s\n", why.c_str());
        return 1;
    }
    WindowSystem::Start(*backend);
    Bitmap empty = CaptureScreen();
    HWND popup = nullptr, layered = nullptr;
    HWND top = MakeWindows(popup, layered);
    UpdateWindow(top);
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    ShowWindow(layered, SW_SHOWNOACTIVATE);
    std::thread user(User, std::ref(*backend));
    int result = 1;
    DWORD started = GetTickCount();
    SetTimer(nullptr, 1, 20, [&](HWND, UINT, UINT_PTR, DWORD) {
        gReady = true;
        bool waitedEnough = GetTickCount() - started > 15000;
        // Our capture with no button held (as a menu tracks): taken, and a tick later the hand
        // moves, once the loop has been idle and the desktop has the capture too.
        if ((gTyped.size() >= 2 || waitedEnough) && !GetCapture() && !gCaptureSet) {
            SetCapture(FindWindowButton(top));
            return;
        }
        if (GetCapture()) gCaptureSet = true;
        if (!gToolsDone || (!gCapturedMove && !waitedEnough)) return;
        ReleaseCapture();
        result = Check(top, popup, layered, empty, shotFile);
        PostQuitMessage(0);
    });
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    user.join();
    WindowSystem::Stop();
    if (result == 0) std::puts("sdl_smoke: click, typing and pixels as expected");
    return result;
}
