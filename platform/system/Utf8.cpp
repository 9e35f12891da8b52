// A strict UTF-8 decoder that replaces each malformed piece once, and its encoder.
#include "platform/system/Utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// A lead byte: how long its sequence is, its share of the code, and the range its first
// continuation byte must fall in (which rules out overlong forms, surrogates and codes beyond
// U+10FFFF before they are read).
struct TLead {
    int Length = 0; // 0: cannot begin a character
    char32_t Bits = 0;
    unsigned char Low = 0x80;
    unsigned char High = 0xBF;
};

TLead LeadOf(unsigned char b) {
    if (b < 0x80) return {1, b};
    if (b >= 0xC2 && b <= 0xDF) return {2, char32_t{b} & 0x1Fu};
    if (b == 0xE0) return {3, 0, 0xA0, 0xBF};
    if (b == 0xED) return {3, 0xD, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF) return {3, char32_t{b} & 0x0Fu};
    if (b == 0xF0) return {4, 0, 0x90, 0xBF};
    if (b == 0xF4) return {4, 4, 0x80, 0x8F};
    if (b >= 0xF1 && b <= 0xF3) return {4, char32_t{b} & 0x07u};
    return {};
}

} // namespace

std::int32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
    const TLead lead = LeadOf(static_cast<unsigned char>(utf8[pos++]));
    if (lead.Length == 0) return -1;
    char32_t code = lead.Bits;
    for (int k = 1; k < lead.Length; ++k) {
        if (pos >= utf8.size()) return -1;
        const auto next = static_cast<unsigned char>(utf8[pos]);
        const bool fits = k == 1 ? next >= lead.Low && next <= lead.High : (next & 0xC0) == 0x80;
        if (!fits) return -1;
        code = (code << 6) | (next & 0x3Fu);
        ++pos;
    }
    return static_cast<std::int32_t>(code);
}

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::int32_t code = NextCodePoint(utf8, pos);
        out.push_back(code < 0 ? kReplacement : static_cast<char32_t>(code));
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr unsigned char kLeadMark[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadMark[length] | (c >> (6 * (length - 1))));
    for (int shift = 6 * (length - 2); shift >= 0; shift -= 6) out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
}

std::string EncodeUtf8(char32_t c) {
    std::string out;
    AppendUtf8(out, c);
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) AppendUtf8(out, c);
    return out;
}
