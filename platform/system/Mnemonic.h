// Mnemonics: an "&" in a caption marks the next character as the one that, typed, acts on the
// control or menu item; "&&" is a plain ampersand and a lone "&" at the end shows nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TCaptionChar {
    char32_t Code = 0;
    bool Marked = false; // follows a single "&": shown underlined
};

// The characters of a caption as shown, the "&" marks taken out.
std::vector<TCaptionChar> CaptionChars(std::u32string_view caption);
// The caption as shown.
std::string StripMnemonics(std::string_view caption);
// The first marked character of a UTF-8 caption, lower-cased; 0 when it has none.
char32_t MnemonicOf(std::string_view caption);
// The typed character is the caption's mnemonic, in either case and in any script.
bool IsMnemonic(std::string_view caption, char32_t typed);
