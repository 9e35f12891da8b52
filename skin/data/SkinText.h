// Text helpers for skin option texts and archive member names (8-bit text, ASCII case rules).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Letter case is folded for ASCII letters only: option texts are 8-bit and their other bytes
// belong to whatever code page the skin author used.
std::string UpperCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

// Hashing and equality with ASCII letter case ignored, for maps keyed by names as they are
// stored, so that no upper-cased copy is made per name.
struct TCaseBlindHash {
    std::size_t operator()(std::string_view text) const;
};
struct TCaseBlindEqual {
    bool operator()(std::string_view a, std::string_view b) const { return SameTextAscii(a, b); }
};

// Removes leading and trailing control characters and blanks (every byte up to ' ').
std::string_view TrimBlanks(std::string_view text);

// The words of a text between separator characters; a run of separators counts as one.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators);

// A 32-bit integer: decimal with an optional sign, or hexadecimal after "$" or "0x". Hexadecimal
// values use all 32 bits, so "$FFFFFFFF" is -1, as colours are stored. False for anything else.
bool TryParseSkinInt(std::string_view text, int& value);
// A decimal number with "." as separator whatever the locale; false when it is not one.
bool TryParseSkinFloat(std::string_view text, double& value);

// The manager's CommonSections text as it is kept: every line that is not empty and does not
// begin with ";" loses all its blanks.
std::string PrepareCommonSections(std::string_view text);
