// Formatting of game times for the clock and the records table.
#include "app/logic/FormatGameTime.h"

#include <cstdio>

std::string FormatGameTime(std::int64_t seconds) {
    const bool negative = seconds < 0;
    const std::uint64_t magnitude = negative ? 0u - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu:%02u:%02u", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 3600), static_cast<unsigned>(magnitude % 3600 / 60),
                  static_cast<unsigned>(magnitude % 60));
    return text;
}
