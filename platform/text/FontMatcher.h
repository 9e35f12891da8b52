// Finds the installed font file that answers a font request, through fontconfig.
#pragma once

#include "platform/text/Font.h"

#include <string>

struct TFontMatch {
    std::string File;
    int Index = 0;
    std::string Family;
    // Styles the file lacks and the rasteriser has to fake.
    bool Embolden = false;
    bool Slant = false;
};

class FontMatcher {
public:
    // The family is asked for exactly as written, with weight, slant, pixel size and, for the
    // Russian and default character sets, the Russian language so that Cyrillic is covered.
    // Throws std::runtime_error when no font at all is installed.
    static TFontMatch Match(const TLogFont& logFont, int pixelSize);
};
