// The window demo on the desktop back end: two overlapping top-level windows with child panels and
// a clock ticking once a second. --drag moves the lower window by its caption through real X
// events and checks where it lands; --shot FILE writes the X screen afterwards; --measure-idle N
// reports the CPU the idle program used over N seconds (its own, all threads).
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"
#include "tests/e2e/DemoWindows.h"
#include "tests/e2e/sdl_xdotool.h"

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {
struct TOptions {
    bool Drag = false;
    const char* Shot = nullptr;
    int IdleSeconds = 0;
};

std::atomic<bool> gShown{false};
std::atomic<bool> gDragDone{false};
std::atomic<bool> gDragFailed{false};
int gSeconds = 0;
HWND gClockPanel = nullptr;

LRESULT PanelProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m != WM_PAINT) return DefWindowProc(h, m, w, l);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    TRect rc;
    GetClientRect(h, &rc);
    PaintDemoPanel(h, dc);
    if (h == gClockPanel) {
        char text[32];
        std::snprintf(text, sizeof text, "%d:%02d", gSeconds / 60, gSeconds % 60);
        dc->SetBkMode(TRANSPARENT);
        DrawText(dc, text, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    EndPaint(h, &ps);
    return 0;
}

// The first window lies below the second: press on its caption, drag it up and to the right.
void DragByHand(SdlBackend& backend) {
    while (!gShown) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    bool ok =
        RunTool({"xdotool", "mousemove", "--sync", "200", "131"}) && RunTool({"xdotool", "mousedown", "1"});
    for (int i = 1; ok && i <= 8; ++i)
        ok = RunTool({"xdotool", "mousemove", "--sync", std::to_string(200 + 360 * i / 8),
                      std::to_string(131 - 60 * i / 8)});
    ok = ok && RunTool({"xdotool", "mouseup", "1"});
    gDragFailed = !ok;
    gDragDone = true;
    backend.Wake();
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

bool Parse(int argc, char** argv, TOptions& o) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--drag"))
            o.Drag = true;
        else if (!std::strcmp(argv[i], "--shot") && i + 1 < argc)
            o.Shot = argv[++i];
        else if (!std::strcmp(argv[i], "--measure-idle") && i + 1 < argc)
            o.IdleSeconds = std::atoi(argv[++i]);
        else
            return false;
    }
    return true;
}

int Finish(const TOptions& o, HWND first) {
    int result = 0;
    if (o.Drag) {
        TRect moved{};
        GetWindowRect(first, &moved);
        if (gDragFailed || moved.Left != 480 || moved.Top != 60) {
            std::fprintf(stderr, "sdl_demo: the first window is at %d,%d, not 480,60%s\n", moved.Left,
                         moved.Top, gDragFailed ? " (xdotool failed)" : "");
            result = 1;
        }
    }
    if (o.Shot && !WritePngFile(o.Shot, CaptureScreen())) result = 1;
    return result;
}
} // namespace

int main(int argc, char** argv) {
    TOptions o;
    if (!Parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: sdl_demo [--drag] [--shot FILE] [--measure-idle SECONDS]\n");
        return 2;
    }
    std::string why;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(&why);
    if (!backend) {
        std::fprintf(stderr, "sdl_demo: no display: %s\n", why.c_str());
        return 1;
    }
    WindowSystem::Start(*backend);
    RegisterDemoClasses(PanelProc);
    HWND first = DemoFrame("First window", 120, 120, RGB(255, 240, 200), RGB(200, 230, 255));
    gClockPanel = GetWindow(first, GW_CHILD);
    DemoFrame("Second window", 300, 220, RGB(210, 250, 210), RGB(255, 210, 210));
    std::thread hand;
    if (o.Drag)
        hand = std::thread(DragByHand, std::ref(*backend));
    else
        gDragDone = true;
    // The windows are on the screen once the loop first runs out of work.
    SetTimer(nullptr, 2, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
        gShown = true;
        KillTimer(nullptr, id);
    });
    auto started = std::chrono::steady_clock::now();
    double cpuAtStart = CpuSeconds();
    int result = 0;
    SetTimer(nullptr, 1, 1000, [&](HWND, UINT, UINT_PTR, DWORD) {
        ++gSeconds;
        InvalidateRect(gClockPanel, nullptr, FALSE);
        if (gSeconds == 1) { // measured from here: start-up (fonts, first paints) is over
            started = std::chrono::steady_clock::now();
            cpuAtStart = CpuSeconds();
        }
        if (gSeconds < 1 + o.IdleSeconds || !gDragDone) return;
        if (o.IdleSeconds) {
            double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            std::printf("sdl_demo: idle CPU %.3f %% of a core over %.1f s (one 1000 ms timer)\n",
                        100.0 * (CpuSeconds() - cpuAtStart) / wall, wall);
        }
        UpdateWindow(gClockPanel);
        result = Finish(o, first);
        PostQuitMessage(0);
    });
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (hand.joinable()) hand.join();
    WindowSystem::Stop();
    return result;
}
