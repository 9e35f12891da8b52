// Lays out DrawText's text: prefixes, lines, word breaks, tab stops and end ellipses.
#pragma once

#include "platform/text/FontFace.h"

#include <string_view>
#include <vector>

struct TLayoutChar {
    char32_t Code = 0;
    int X = 0;       // from the line's start
    int Advance = 0;
    bool Underline = false; // marked by an "&" prefix
};

struct TLayoutLine {
    std::vector<TLayoutChar> Chars;
    int Width = 0;
};

class TextLayout {
public:
    // format: the DT_* flags. Tab stops are every 8 average character widths.
    TextLayout(FontFace& face, unsigned format);

    // maxWidth limits word breaks and ellipses; maxLines (0 = any) is how many lines fit, the
    // last of which carries an ellipsis when text is cut off with DT_WORDBREAK | DT_END_ELLIPSIS.
    std::vector<TLayoutLine> Lay(std::string_view text, int maxWidth, int maxLines = 0);

private:
    struct TChar {
        char32_t Code;
        bool Underline;
    };
    using Chars = std::vector<TChar>;

    Chars Prefixed(const std::u32string& text) const;
    std::vector<Chars> Paragraphs(const Chars& text) const;
    void Break(const Chars& paragraph, int maxWidth, std::vector<TLayoutLine>& out);
    std::size_t FitChars(const Chars& paragraph, std::size_t from, std::size_t to, int x, int maxWidth);
    TLayoutLine Place(const Chars& paragraph, std::size_t from, std::size_t to);
    int AdvanceAt(char32_t code, int x);
    void Ellipsise(TLayoutLine& line, int maxWidth);
    void FitInk(TLayoutLine& line);
    int InkOverhang(char32_t firstCode, char32_t lastCode);

    FontFace& FFace;
    unsigned FFormat;
    int FTabWidth;
};
