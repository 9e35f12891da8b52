// Integers written as text, read the way the settings file and the records table expect.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// An optional sign, then decimal digits, or hexadecimal digits after "$", "0x" or "0X". Decimal
// must fit 32 signed bits; hexadecimal may use all 32 bits ("$FFFFFFFF" is -1). Anything else,
// blanks included, gives nothing.
std::optional<std::int32_t> ParseInteger(std::string_view text);
