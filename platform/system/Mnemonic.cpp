// The one reading of "&" marks in captions.
#include "platform/system/Mnemonic.h"

#include "platform/system/LetterCase.h"
#include "platform/system/Utf8.h"

std::vector<TCaptionChar> CaptionChars(std::u32string_view caption) {
    std::vector<TCaptionChar> out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != U'&') {
            out.push_back({caption[i], false});
            continue;
        }
        if (++i == caption.size()) break;
        out.push_back({caption[i], caption[i] != U'&'});
    }
    return out;
}

std::string StripMnemonics(std::string_view caption) {
    std::string out;
    out.reserve(caption.size());
    for (const TCaptionChar& c : CaptionChars(DecodeUtf8(caption))) AppendUtf8(out, c.Code);
    return out;
}

char32_t MnemonicOf(std::string_view caption) {
    for (const TCaptionChar& c : CaptionChars(DecodeUtf8(caption)))
        if (c.Marked) return LowerChar(c.Code);
    return 0;
}

bool IsMnemonic(std::string_view caption, char32_t typed) {
    const char32_t mnemonic = MnemonicOf(caption);
    return mnemonic != 0 && mnemonic == LowerChar(typed);
}
