// Letter case and alphabetical comparison over the letters of the Windows-1251 and Latin-1 code pages.
#include "framework/SysUtils.h"

#include "platform/system/Utf8.h"

namespace {

// Applies a character mapping; bytes that are not valid UTF-8 are kept as they are.
template <class Map>
std::string MapChars(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const std::int32_t c = NextCodePoint(text, pos);
        if (c < 0)
            out.append(text.substr(start, pos - start));
        else
            AppendUtf8(out, map(static_cast<char32_t>(c)));
    }
    return out;
}

char32_t AsciiUpper(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - 0x20 : c;
}

char32_t AsciiLower(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c + 0x20 : c;
}

int Sign(std::int64_t value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

} // namespace

std::string UpperCase(std::string_view text) {
    return MapChars(text, AsciiUpper);
}

std::string LowerCase(std::string_view text) {
    return MapChars(text, AsciiLower);
}

std::string AnsiUpperCase(std::string_view text) {
    return MapChars(text, UpperChar);
}

std::string AnsiLowerCase(std::string_view text) {
    return MapChars(text, LowerChar);
}

int CompareText(std::string_view a, std::string_view b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto ca = static_cast<unsigned char>(AsciiUpper(static_cast<unsigned char>(a[i])));
        const auto cb = static_cast<unsigned char>(AsciiUpper(static_cast<unsigned char>(b[i])));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return Sign(static_cast<std::int64_t>(a.size()) - static_cast<std::int64_t>(b.size()));
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

int AnsiCompareText(std::string_view a, std::string_view b) {
    return CompareIgnoreCase(a, b);
}

bool AnsiSameText(std::string_view a, std::string_view b) {
    return SameTextIgnoreCase(a, b);
}

int AnsiCompareStr(std::string_view a, std::string_view b) {
    if (const int folded = CompareIgnoreCase(a, b); folded != 0) return folded;
    // Same letters: the first difference in case decides, lower case first.
    std::size_t pa = 0, pb = 0;
    while (pa < a.size()) {
        const std::int32_t ca = NextCodePoint(a, pa);
        const std::int32_t cb = NextCodePoint(b, pb);
        if (ca != cb) return LowerChar(static_cast<char32_t>(ca)) == static_cast<char32_t>(ca) ? -1 : 1;
    }
    return 0;
}
