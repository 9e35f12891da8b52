// Mnemonic letters of captions.
#include "platform/controls/Mnemonic.h"
#include "platform/text/Utf8.h"

char32_t MnemonicFold(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

char32_t MnemonicOf(std::string_view caption) {
    std::u32string text = DecodeUtf8(caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&') continue;
        if (text[i + 1] != U'&') return MnemonicFold(text[i + 1]);
        ++i;
    }
    return 0;
}
