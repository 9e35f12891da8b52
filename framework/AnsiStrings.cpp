// Letter case and alphabetical comparison over the letters of the Windows-1251 and Latin-1 code pages.
#include "framework/SysUtils.h"

#include "platform/system/CodePage.h"


char32_t AnsiUpperChar(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;   // Latin-1 à..þ, not ÷
    if (c == 0xFF) return 0x178;                                 // ÿ
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;               // а..я
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;               // ѐ..џ, ё among them
    if (c == 0x491) return 0x490;                                // ґ
    return c;
}

char32_t AnsiLowerChar(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x178) return 0xFF;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c == 0x490) return 0x491;
    return c;
}

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
            out += CharToUtf8(map(static_cast<char32_t>(c)));
    }
    return out;
}

char32_t AsciiUpper(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - 0x20 : c;
}

char32_t AsciiLower(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c + 0x20 : c;
}

// Reads a text one code point at a time; a malformed byte gets a value above every character,
// so it sorts last. Comparing this way allocates nothing, which keeps sorted lists fast.
class TCodePointReader {
public:
    explicit TCodePointReader(std::string_view text) : FText(text) {}
    bool AtEnd() const { return FPos >= FText.size(); }
    char32_t Next() {
        const std::size_t start = FPos;
        const std::int32_t c = NextCodePoint(FText, FPos);
        return c < 0 ? 0x110000 + static_cast<unsigned char>(FText[start]) : static_cast<char32_t>(c);
    }

private:
    std::string_view FText;
    std::size_t FPos = 0;
};

// The alphabetical weight of a character once its case is folded: Ё sorts right after Е.
std::uint64_t Weight(char32_t c) {
    const char32_t upper = AnsiUpperChar(c);
    if (upper == 0x401) return 0x415ull * 2 + 1;
    return static_cast<std::uint64_t>(upper) * 2;
}

int Sign(std::int64_t value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int CompareFolded(std::string_view a, std::string_view b) {
    TCodePointReader ra(a), rb(b);
    while (!ra.AtEnd() && !rb.AtEnd()) {
        const std::uint64_t wa = Weight(ra.Next());
        const std::uint64_t wb = Weight(rb.Next());
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    return ra.AtEnd() ? (rb.AtEnd() ? 0 : -1) : 1;
}

} // namespace

std::string UpperCase(std::string_view text) {
    return MapChars(text, AsciiUpper);
}

std::string LowerCase(std::string_view text) {
    return MapChars(text, AsciiLower);
}

std::string AnsiUpperCase(std::string_view text) {
    return MapChars(text, AnsiUpperChar);
}

std::string AnsiLowerCase(std::string_view text) {
    return MapChars(text, AnsiLowerChar);
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
    return CompareFolded(a, b);
}

bool AnsiSameText(std::string_view a, std::string_view b) {
    return CompareFolded(a, b) == 0;
}

int AnsiCompareStr(std::string_view a, std::string_view b) {
    if (const int folded = CompareFolded(a, b); folded != 0) return folded;
    // Same letters: the first difference in case decides, lower case first.
    TCodePointReader ra(a), rb(b);
    while (!ra.AtEnd()) {
        const char32_t ca = ra.Next();
        const char32_t cb = rb.Next();
        if (ca != cb) return AnsiLowerChar(ca) == ca ? -1 : 1;
    }
    return 0;
}
