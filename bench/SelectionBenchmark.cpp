// Benchmarks of the selection controls: track bar steps, list painting and sorted filling, and
// opening a combo box's list.
#include "bench/ControlsBenchSession.h"
#include "platform/controls/ComboBoxCodes.h"
#include "platform/controls/ListBoxCodes.h"
#include "platform/controls/TrackBarCodes.h"
#include "platform/window/Win.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
struct TSession : TControlsBenchSession {
    TSession() : TControlsBenchSession(500, 400) {}
    HWND Child(const char* cls, DWORD style, int w, int h) {
        return CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE | style, 10, 10, w, h, Main, reinterpret_cast<HMENU>(1));
    }
    void Pump() {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
    }
};

// Words that do not arrive in order, half of them Cyrillic.
std::string Word(int i) {
    static const char* stems[] = {"берёза", "apple", "Ёлка", "Zebra", "вода", "Mango", "яблоко", "kiwi"};
    return std::string(stems[(i * 7) % 8]) + std::to_string((i * 7919) % 1000);
}

void BM_TrackBarKeyStepAndRepaint(benchmark::State& state) {
    TSession s;
    HWND tb = s.Child(TRACKBAR_CLASS, TBS_AUTOTICKS, 300, 45);
    SendMessage(tb, TBM_SETTICFREQ, 5, 0);
    SetFocus(tb);
    UpdateWindow(s.Main);
    int n = 0;
    for (auto _ : state) {
        SendMessage(tb, WM_KEYDOWN, (++n / 100) % 2 ? VK_LEFT : VK_RIGHT, 0);
        UpdateWindow(tb);
    }
}
BENCHMARK(BM_TrackBarKeyStepAndRepaint);

void BM_ListBoxRepaintTwentyRows(benchmark::State& state) {
    TSession s;
    HWND lb = s.Child(WC_LISTBOX, WS_VSCROLL | LBS_NOTIFY, 200, 20 * 13);
    for (int i = 0; i < 200; ++i) SendMessage(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Word(i).c_str()));
    SendMessage(lb, LB_SETCURSEL, 5, 0);
    UpdateWindow(s.Main);
    for (auto _ : state) {
        InvalidateRect(lb, nullptr, FALSE);
        UpdateWindow(lb);
    }
}
BENCHMARK(BM_ListBoxRepaintTwentyRows);

void BM_SortedListBoxThousandAdds(benchmark::State& state) {
    TSession s;
    HWND lb = s.Child(WC_LISTBOX, WS_VSCROLL | LBS_SORT, 200, 200);
    std::vector<std::string> words;
    for (int i = 0; i < 1000; ++i) words.push_back(Word(i));
    for (auto _ : state) {
        for (const std::string& w : words) SendMessage(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
        state.PauseTiming();
        SendMessage(lb, LB_RESETCONTENT, 0, 0);
        s.Pump();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortedListBoxThousandAdds)->Unit(benchmark::kMillisecond);

void BM_ComboBoxOpenAndClose(benchmark::State& state) {
    TSession s;
    HWND cb = s.Child(WC_COMBOBOX, CBS_DROPDOWNLIST, 200, 21);
    for (int i = 0; i < 30; ++i) SendMessage(cb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Word(i).c_str()));
    SendMessage(cb, CB_SETCURSEL, 12, 0);
    SetFocus(cb);
    UpdateWindow(s.Main);
    COMBOBOXINFO info;
    SendMessage(cb, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    for (auto _ : state) {
        SendMessage(cb, CB_SHOWDROPDOWN, TRUE, 0);
        UpdateWindow(info.hwndList);
        SendMessage(cb, CB_SHOWDROPDOWN, FALSE, 0);
        UpdateWindow(s.Main);
    }
}
BENCHMARK(BM_ComboBoxOpenAndClose)->Unit(benchmark::kMicrosecond);
}
