// Timers ordered by due time.
#include "platform/window/TimerQueue.h"
#include "platform/window/Backend.h"
#include "platform/window/WinMessages.h"

#include <algorithm>

TimerQueue::Timer* TimerQueue::Find(HWND hwnd, UINT_PTR id) {
    for (Timer& t : FTimers)
        if (t.Hwnd == hwnd && t.Id == id) return &t;
    return nullptr;
}

UINT_PTR TimerQueue::Set(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC fn, std::uint64_t now) {
    if (!hwnd && id == 0) id = ++FNextThreadId;
    UINT interval = std::max(intervalMs, kMinInterval);
    Timer* t = Find(hwnd, id);
    if (!t) {
        FTimers.push_back({});
        t = &FTimers.back();
        t->Hwnd = hwnd;
        t->Id = id;
    }
    t->Interval = interval;
    t->Due = now + interval;
    t->Seq = ++FSeq;
    t->Fn = std::move(fn);
    return id;
}

bool TimerQueue::Kill(HWND hwnd, UINT_PTR id) {
    auto it = std::find_if(FTimers.begin(), FTimers.end(), [&](const Timer& t) { return t.Hwnd == hwnd && t.Id == id; });
    if (it == FTimers.end()) return false;
    FTimers.erase(it);
    return true;
}

void TimerQueue::KillAll(HWND hwnd) {
    FTimers.erase(std::remove_if(FTimers.begin(), FTimers.end(), [hwnd](const Timer& t) { return t.Hwnd == hwnd; }),
                  FTimers.end());
}

std::uint64_t TimerQueue::NextDue(HWND hwnd) const {
    std::uint64_t due = Backend::kNoDeadline;
    for (const Timer& t : FTimers)
        if (!hwnd || t.Hwnd == hwnd) due = std::min(due, t.Due);
    return due;
}

bool TimerQueue::TakeDue(MSG& out, HWND hwnd, std::uint64_t now, bool remove) {
    Timer* best = nullptr;
    for (Timer& t : FTimers) {
        if (t.Due > now || (hwnd && t.Hwnd != hwnd)) continue;
        if (!best || t.Due < best->Due || (t.Due == best->Due && t.Seq < best->Seq)) best = &t;
    }
    if (!best) return false;
    out = MSG{};
    out.hwnd = best->Hwnd;
    out.message = WM_TIMER;
    out.wParam = best->Id;
    out.lParam = best->Fn ? 1 : 0; // marks a callback timer; DispatchMessage looks the callback up
    out.time = static_cast<DWORD>(now);
    if (remove) {
        best->Due = now + best->Interval;
        best->Seq = ++FSeq;
    }
    return true;
}

const TIMERPROC* TimerQueue::Callback(HWND hwnd, UINT_PTR id) const {
    for (const Timer& t : FTimers)
        if (t.Hwnd == hwnd && t.Id == id && t.Fn) return &t.Fn;
    return nullptr;
}
