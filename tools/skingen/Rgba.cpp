// Parsing and mixing of drawing colours.
#include "tools/skingen/Rgba.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

int HexByte(std::string_view text, std::size_t at) {
    auto digit = [&](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        throw std::runtime_error("bad colour \"" + std::string(text) + "\"");
    };
    return digit(text[at]) * 16 + digit(text[at + 1]);
}

} // namespace

Rgba Rgba::Parse(std::string_view text) {
    if (text.empty() || text[0] != '#' || (text.size() != 7 && text.size() != 9)) {
        throw std::runtime_error("bad colour \"" + std::string(text) + "\" (#RRGGBB or #RRGGBBAA expected)");
    }
    Rgba c{HexByte(text, 1) / 255.0, HexByte(text, 3) / 255.0, HexByte(text, 5) / 255.0, 1.0};
    if (text.size() == 9) c.A = HexByte(text, 7) / 255.0;
    return c;
}

TColor Rgba::ToTColor() const {
    auto byte = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return RGB(byte(R), byte(G), byte(B));
}

std::string Rgba::ToText() const {
    auto byte = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    char text[10];
    std::snprintf(text, sizeof text, "#%02X%02X%02X%02X", byte(R), byte(G), byte(B), byte(A));
    return text;
}

Rgba Rgba::Mix(const Rgba& other, double t) const {
    return {R + (other.R - R) * t, G + (other.G - G) * t, B + (other.B - B) * t, A + (other.A - A) * t};
}
