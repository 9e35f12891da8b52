// The real clock: monotonic time and a blocking sleep.
#include "platform/system/Clock.h"

#include <chrono>
#include <thread>

std::uint64_t RealClock::NowMs() const {
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

void RealClock::Sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
