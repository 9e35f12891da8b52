// A back end that a driver on another thread can act through as the user: it feeds input, waits
// until the UI thread has nothing to do, and moves the clock that the UI thread's timers run on.
#pragma once

#include "platform/window/Backend.h"

#include <cstdint>
#include <functional>

class DrivableBackend : public Backend {
public:
    // Any thread: calls fn with the input sink while the window system is attached; false when it
    // is not.
    virtual bool WithSink(const std::function<void(InputSink&)>& fn) = 0;
    // Blocks until the UI thread waits with nothing to do, or has finished.
    virtual void WaitIdle() = 0;
    // The deadline the idle UI thread waits for (its next timer), kNoDeadline for none.
    virtual std::uint64_t IdleDeadline() = 0;
    // Moves the clock to nowMs (never back) and wakes the UI thread.
    virtual void SetTime(std::uint64_t nowMs) = 0;
    // The UI thread ends: idle waits stop blocking.
    virtual void MarkFinished() = 0;
};
