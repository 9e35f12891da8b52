// Benchmarks of the window system's hot paths: sending, dispatching and repainting.
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <benchmark/benchmark.h>

namespace {
// The window system on the benchmark thread for one benchmark's lifetime.
struct TSession {
    HeadlessBackend Backend;
    TSession() {
        WindowSystem::Start(Backend);
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        WNDCLASS wc;
        wc.lpszClassName = "Bench";
        wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_USER || m == WM_LBUTTONDOWN) return static_cast<LRESULT>(w + 1);
            if (m == WM_ERASEBKGND) return 1;
            if (m == WM_PAINT) {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(h, &ps);
                TRect rc;
                GetClientRect(h, &rc);
                dc->FillRect(rc, static_cast<TColor>(GetWindowLongPtr(h, GWLP_USERDATA)));
                EndPaint(h, &ps);
                return 0;
            }
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(wc);
    }
    ~TSession() {
        WindowSystem::Stop();
        ClassicStyle::SetCaptionTextPainter(nullptr);
    }
    void Pump() {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
    }
};

void BM_SendThroughThreeProcedures(benchmark::State& state) {
    TSession s;
    HWND h = CreateWindowEx(0, "Bench", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    for (int i = 0; i < 3; ++i) {
        auto link = std::make_shared<WNDPROC>();
        *link = SetWindowProc(h, [link](HWND hw, UINT m, WPARAM w, LPARAM l) { return CallWindowProc(*link, hw, m, w, l); });
    }
    WPARAM n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(n = static_cast<WPARAM>(SendMessage(h, WM_USER, n, 0)));
}
BENCHMARK(BM_SendThroughThreeProcedures);

void BM_DispatchPostedMouseMessageToChild(benchmark::State& state) {
    TSession s;
    HWND top = CreateWindowEx(0, "Bench", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr);
    HWND child = CreateWindowEx(0, "Bench", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top, nullptr);
    s.Pump();
    MSG msg;
    for (auto _ : state) {
        PostMessage(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
        benchmark::DoNotOptimize(DispatchMessage(&msg));
    }
}
BENCHMARK(BM_DispatchPostedMouseMessageToChild);

void BM_RepaintBoardOf81Children(benchmark::State& state) {
    TSession s;
    HWND top = CreateWindowEx(0, "Bench", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 450, 450, nullptr, nullptr);
    SetWindowLongPtr(top, GWLP_USERDATA, clSilver);
    for (int i = 0; i < 81; ++i) {
        HWND c = CreateWindowEx(0, "Bench", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 5 + (i % 9) * 49, 5 + (i / 9) * 49, 46, 46, top, nullptr);
        SetWindowLongPtr(c, GWLP_USERDATA, (i % 2) ? clWhite : clYellow);
    }
    s.Pump();
    for (auto _ : state) {
        RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        s.Pump();
    }
}
BENCHMARK(BM_RepaintBoardOf81Children)->Unit(benchmark::kMicrosecond);
}
