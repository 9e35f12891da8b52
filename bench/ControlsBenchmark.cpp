// Benchmarks of the standard controls' hot paths: a keystroke into an edit, repainted.
#include "bench/ControlsBenchSession.h"
#include "platform/controls/EditCodes.h"
#include "platform/window/Win.h"

#include <benchmark/benchmark.h>

namespace {

// One typed character: WM_CHAR through the edit's procedure (insert, layout, notifications),
// then the repaint of the edit. The text is cleared every 40 characters so it stays field-sized.
void TypeCharacter(benchmark::State& state, DWORD style, TRect r) {
    TControlsBenchSession s(400, 300);
    HWND edit = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | style, r.Left, r.Top, r.Width(), r.Height(),
                               s.Main, reinterpret_cast<HMENU>(1));
    SetFocus(edit);
    UpdateWindow(s.Main);
    int typed = 0;
    for (auto _ : state) {
        if (++typed % 40 == 0) {
            state.PauseTiming();
            SetWindowText(edit, "");
            UpdateWindow(s.Main);
            state.ResumeTiming();
        }
        SendMessage(edit, WM_CHAR, 'a' + typed % 26, 1);
        UpdateWindow(edit);
    }
}

void BM_EditTypeAndRepaint(benchmark::State& state) { TypeCharacter(state, ES_AUTOHSCROLL, {10, 10, 210, 33}); }
void BM_MemoTypeAndRepaint(benchmark::State& state) { TypeCharacter(state, ES_MULTILINE | WS_VSCROLL, {10, 40, 310, 240}); }
}

BENCHMARK(BM_EditTypeAndRepaint);
BENCHMARK(BM_MemoTypeAndRepaint);
