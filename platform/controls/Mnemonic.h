// Mnemonic letters: the character after a single "&" in a caption, compared without case.
#pragma once

#include <string_view>

// The mnemonic of a caption, lower-cased; 0 when it has none ("&&" is a plain ampersand).
char32_t MnemonicOf(std::string_view caption);
// Lower-cases the Latin and Cyrillic letters that mnemonics use.
char32_t MnemonicFold(char32_t c);
