// Colours as six hexadecimal digits, red first.
#include "framework/RrggbbText.h"

#include <cstdio>

std::optional<TColor> RrggbbToColor(std::string_view text) {
    if (text.size() != 6) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return RGB(static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF), static_cast<int>(value & 0xFF));
}

std::string ColorToRrggbb(TColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}
