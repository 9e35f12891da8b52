// Hint markup colours.
#include "skin/hints/HtmlColors.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {
constexpr std::array<std::pair<std::string_view, TColor>, 16> kNamed{{
    {"AQUA", 0xFFFF00}, {"BLACK", 0x000000}, {"BLUE", 0xFF0000}, {"FUCHSIA", 0xFF00FF},
    {"GRAY", 0x808080}, {"GREEN", 0x008000}, {"LIME", 0x00FF00}, {"MAROON", 0x000080},
    {"NAVY", 0x800000}, {"OLIVE", 0x008080}, {"PURPLE", 0x800080}, {"RED", 0x0000FF},
    {"SILVER", 0xC0C0C0}, {"TEAL", 0x808000}, {"WHITE", 0xFFFFFF}, {"YELLOW", 0x00FFFF},
}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits written as RRGGBB; only the last six count when there are more.
TColor FromHexDigits(std::string_view digits) {
    std::uint32_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return clBlack;
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return RGB(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value & 0xFF));
}
} // namespace

TColor HtmlColorValue(std::string_view word) {
    for (const auto& [name, color] : kNamed)
        if (word == name) return color;
    if (!word.empty() && word.front() == '#') word.remove_prefix(1);
    if (!word.empty() && word.back() == 'H') word.remove_suffix(1);
    return FromHexDigits(word);
}
