// Integer text parsing without locale or exceptions.
#include "platform/system/IntegerText.h"

namespace {

int DigitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Digits of one base up to the limit, or nothing.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base, std::uint64_t limit) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    std::optional<std::uint64_t> magnitude;
    if (text.starts_with('$')) {
        magnitude = ParseDigits(text.substr(1), 16, 0xFFFFFFFFu);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        magnitude = ParseDigits(text.substr(2), 16, 0xFFFFFFFFu);
    } else {
        const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
        magnitude = ParseDigits(text, 10, limit);
    }
    if (!magnitude) return std::nullopt;
    // Wrap-around through 32 unsigned bits: "$FFFFFFFF" is -1 and "-2147483648" is INT32_MIN.
    const auto bits = static_cast<std::uint32_t>(negative ? 0u - *magnitude : *magnitude);
    return static_cast<std::int32_t>(bits);
}
