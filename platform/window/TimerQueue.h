// Window and thread timers on the back end's clock; WM_TIMER is made from them only when the
// message loop finds nothing else to do, so a timer never fires inside a running handler.
#pragma once

#include "platform/window/WinTypes.h"

#include <cstdint>
#include <vector>

class TimerQueue {
public:
    // Intervals below this are raised to it, as on the desktop, so a zero interval cannot starve
    // the message loop.
    static constexpr UINT kMinInterval = 10;

    // Starts or restarts the timer (hwnd, id). Thread timers (hwnd nullptr) with id 0 get a new id.
    // Returns the timer's id, 0 on failure.
    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC fn, std::uint64_t now);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAll(HWND hwnd);

    // Earliest due time of the timers for hwnd (nullptr: any), Backend::kNoDeadline when there is
    // none.
    std::uint64_t NextDue(HWND hwnd = nullptr) const;
    // The earliest timer due at now (ties: the one set first) for hwnd (nullptr: any); with
    // remove its next due time becomes now + interval. Fills a WM_TIMER message.
    bool TakeDue(MSG& out, HWND hwnd, std::uint64_t now, bool remove);
    // The callback of a timer, for DispatchMessage; nullptr when it has none or is gone.
    const TIMERPROC* Callback(HWND hwnd, UINT_PTR id) const;
    std::size_t Count() const { return FTimers.size(); }

private:
    struct Timer {
        HWND Hwnd = nullptr;
        UINT_PTR Id = 0;
        UINT Interval = 0;
        std::uint64_t Due = 0;
        std::uint64_t Seq = 0;
        TIMERPROC Fn;
    };

    Timer* Find(HWND hwnd, UINT_PTR id);

    std::vector<Timer> FTimers;
    std::uint64_t FSeq = 0;
    UINT_PTR FNextThreadId = 0x7FFF0000;
};
