// Case mapping and case-blind comparison over Latin, Latin-1 and Windows-1251 Cyrillic.
#include "platform/system/LetterCase.h"

#include "platform/system/Utf8.h"

#include <cstdint>

char32_t UpperChar(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20; // Latin-1 à..þ, not ÷
    if (c == 0xFF) return 0x178;                               // ÿ
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;             // а..я
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;             // ѐ..џ, ё among them
    if (c == 0x491) return 0x490;                              // ґ
    return c;
}

char32_t LowerChar(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x178) return 0xFF;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c == 0x490) return 0x491;
    return c;
}

namespace {

// The weight a character sorts by once its case is gone: Ё right after Е, and each byte of a
// malformed piece by itself, after every character, so that different bytes never compare
// equal. Reading this way allocates nothing, which keeps sorted lists fast.
std::uint64_t NextWeight(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    const std::int32_t c = NextCodePoint(text, pos);
    if (c < 0) {
        pos = start + 1;
        return 0x220000u + static_cast<unsigned char>(text[start]);
    }
    const char32_t upper = UpperChar(static_cast<char32_t>(c));
    if (upper == 0x401) return 0x415u * 2 + 1;
    return std::uint64_t{upper} * 2;
}

} // namespace

int CompareIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t pa = 0, pb = 0;
    while (pa < a.size() && pb < b.size()) {
        const std::uint64_t wa = NextWeight(a, pa), wb = NextWeight(b, pb);
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (pa < a.size()) return 1;
    return pb < b.size() ? -1 : 0;
}

bool SameTextIgnoreCase(std::string_view a, std::string_view b) {
    return CompareIgnoreCase(a, b) == 0;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    std::size_t pt = 0, pp = 0;
    while (pp < prefix.size())
        if (pt >= text.size() || NextWeight(text, pt) != NextWeight(prefix, pp)) return false;
    return true;
}
