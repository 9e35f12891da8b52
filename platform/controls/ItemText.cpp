// Case-blind comparison of item texts.
#include "platform/controls/ItemText.h"
#include "platform/system/CodePage.h"

#include <cstdint>

namespace {
// The weight a character sorts by: its upper case, with Ё just after Е; a malformed byte sorts
// after every character.
std::uint32_t Weight(std::string_view text, std::size_t& pos) {
    std::size_t start = pos;
    std::int32_t c = NextCodePoint(text, pos);
    if (c < 0) return 0x220000u + static_cast<unsigned char>(text[start]);
    auto u = static_cast<std::uint32_t>(c);
    if (u >= 'a' && u <= 'z') u -= 0x20;
    else if (u >= 0xE0 && u <= 0xFE && u != 0xF7) u -= 0x20;
    else if (u >= 0x430 && u <= 0x44F) u -= 0x20;
    else if (u >= 0x450 && u <= 0x45F) u -= 0x50;
    if (u == 0x401) return 0x415u * 2 + 1;
    return u * 2;
}
}

int ItemText::Compare(std::string_view a, std::string_view b) {
    std::size_t pa = 0, pb = 0;
    while (pa < a.size() && pb < b.size()) {
        std::uint32_t wa = Weight(a, pa), wb = Weight(b, pb);
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (pa < a.size()) return 1;
    return pb < b.size() ? -1 : 0;
}

bool ItemText::StartsWith(std::string_view text, std::string_view prefix) {
    std::size_t pt = 0, pp = 0;
    while (pp < prefix.size()) {
        if (pt >= text.size() || Weight(text, pt) != Weight(prefix, pp)) return false;
    }
    return true;
}
