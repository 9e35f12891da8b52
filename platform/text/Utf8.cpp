// A strict UTF-8 decoder: overlong forms, surrogates and cut sequences become U+FFFD.
#include "platform/text/Utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Sequence {
    int Length = 0;        // 0: not a lead byte
    char32_t Bits = 0;     // the lead byte's share of the code
    char32_t Minimum = 0;  // smaller codes in this length are overlong
};

Sequence Lead(unsigned char b) {
    if (b < 0x80) return {1, b, 0};
    if ((b & 0xE0) == 0xC0) return {2, char32_t{b} & 0x1F, 0x80};
    if ((b & 0xF0) == 0xE0) return {3, char32_t{b} & 0x0F, 0x800};
    if ((b & 0xF8) == 0xF0) return {4, char32_t{b} & 0x07, 0x10000};
    return {};
}

} // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const Sequence lead = Lead(static_cast<unsigned char>(text[i]));
        const int length = lead.Length;
        char32_t code = lead.Bits;
        if (length == 0) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        int taken = 1;
        while (taken < length && i + taken < text.size() && (static_cast<unsigned char>(text[i + taken]) & 0xC0) == 0x80)
            code = (code << 6) | (static_cast<unsigned char>(text[i + taken++]) & 0x3F);
        const bool valid = taken == length && code >= lead.Minimum && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
        out.push_back(valid ? code : kReplacement);
        i += static_cast<std::size_t>(taken);
    }
    return out;
}
