// The Windows-1251 table and conversion to and from UTF-8.
#include "platform/system/CodePage.h"

#include "platform/system/Utf8.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Characters of bytes $80..$FF; $C0..$FF are the contiguous Cyrillic А..я and are not listed.
constexpr std::array<char16_t, 64> HighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t ByteToCodePoint(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return HighHalf[byte - 0x80];
}

using ReverseEntry = std::pair<char16_t, unsigned char>;

// Code point → byte for $80..$BF, sorted by code point for binary search.
const std::array<ReverseEntry, 64>& ReverseTable() {
    static const std::array<ReverseEntry, 64> table = [] {
        std::array<ReverseEntry, 64> entries{};
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i] = {HighHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(entries.begin(), entries.end());
        return entries;
    }();
    return table;
}

char CodePointToByte(std::int32_t cp) {
    if (cp < 0) return '?';
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<char>(0xC0 + (cp - 0x0410));
    if (cp > 0xFFFF) return '?';
    const auto& table = ReverseTable();
    auto it = std::lower_bound(table.begin(), table.end(), ReverseEntry{static_cast<char16_t>(cp), 0});
    if (it == table.end() || it->first != cp) return '?';
    return static_cast<char>(it->second);
}

} // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char c : bytes) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) out += CodePointToByte(NextCodePoint(utf8, pos));
    return out;
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count) NextCodePoint(utf8, pos);
    return count;
}

std::string_view LeadingChars(std::string_view utf8, std::size_t maxChars) {
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxChars && pos < utf8.size(); ++count) NextCodePoint(utf8, pos);
    return utf8.substr(0, pos);
}
