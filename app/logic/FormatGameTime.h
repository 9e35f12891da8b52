// The game clock's text: hours without leading zeros, then two-digit minutes and seconds.
#pragma once

#include <cstdint>
#include <string>

// 0 → "0:00:00", 3599 → "0:59:59", 90061 → "25:01:01"; hours have no upper bound. A negative
// time (only a hand-edited record holds one) is shown with a minus sign before its magnitude.
std::string FormatGameTime(std::int64_t seconds);
