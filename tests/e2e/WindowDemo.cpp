// Demo: two overlapping top-level windows with child windows; the driver drags the lower one by
// its caption on top and writes a screenshot. Exits non-zero when the drag did not move it.
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/gfx/ImageFiles.h"
#include "platform/window/Win.h"
#include "tests/e2e/DemoWindows.h"

#include <cstdio>

namespace {
LRESULT PanelProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m != WM_PAINT) return DefWindowProc(h, m, w, l);
    PAINTSTRUCT ps;
    PaintDemoPanel(h, BeginPaint(h, &ps));
    EndPaint(h, &ps);
    return 0;
}

int DemoMain() {
    RegisterDemoClasses(PanelProc);
    DemoFrame("First window", 120, 120, RGB(255, 240, 200), RGB(200, 230, 255));
    DemoFrame("Second window", 300, 220, RGB(210, 250, 210), RGB(255, 210, 210));
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return 0;
}
}

int main(int argc, char** argv) {
    const char* out = argc > 1 ? argv[1] : "window-demo.png";
    HeadlessDriver driver(DemoMain, {1024, 700});
    driver.WaitIdle();
    // The first window lies below the second; press on its caption, drag it up and to the right.
    driver.Drag(200, 131, 560, 71);
    TRect moved{};
    driver.RunOnUi([&] {
        HWND first = nullptr;
        EnumWindows([&](HWND h) {
            if (GetWindowText(h) == "First window") first = h;
            return true;
        });
        GetWindowRect(first, &moved);
    });
    std::string error;
    bool written = WritePngFile(out, driver.Screenshot(), &error);
    driver.Shutdown();
    if (!written) {
        std::fprintf(stderr, "window_demo: %s\n", error.c_str());
        return 1;
    }
    if (moved.Left != 480 || moved.Top != 60) {
        std::fprintf(stderr, "window_demo: the first window is at %d,%d, not 480,60\n", moved.Left, moved.Top);
        return 1;
    }
    std::printf("window_demo: wrote %s\n", out);
    return 0;
}
