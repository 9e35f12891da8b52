// The clock that timers and short waits run on: real on the desktop, virtual in tests.
#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes back.
    virtual std::uint64_t NowMs() const = 0;
    // Waits inside a call. The virtual clock does not block: it moves time forward.
    virtual void Sleep(std::uint32_t ms) = 0;
};

class RealClock final : public Clock {
public:
    std::uint64_t NowMs() const override;
    void Sleep(std::uint32_t ms) override;
};

// Advances only when told, so tests and scripts are deterministic.
class VirtualClock final : public Clock {
public:
    std::uint64_t NowMs() const override { return FNow; }
    void Sleep(std::uint32_t ms) override { FNow += ms; }
    void Advance(std::uint64_t ms) { FNow += ms; }
    void Set(std::uint64_t nowMs) { if (nowMs > FNow) FNow = nowMs; }

private:
    std::uint64_t FNow = 0;
};
