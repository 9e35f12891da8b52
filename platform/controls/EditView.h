// How an edit control's text lies on screen: lines (broken at line breaks and, when wrapping,
// at words), pixel positions of characters within a line, and the painting of a line with its
// selected part.
#pragma once

#include "platform/window/WinTypes.h"

#include <string>
#include <unordered_map>
#include <vector>

struct TEditLine {
    int Start = 0;
    int Length = 0; // without the line break
};

class EditView {
public:
    // Lays out text for a font; wrapWidth 0 breaks lines only at line breaks.
    void Layout(const std::u32string& text, HFONT font, int wrapWidth);
    const std::vector<TEditLine>& Lines() const { return FLines; }
    int LineCount() const { return static_cast<int>(FLines.size()); }
    int LineFromChar(int pos) const;
    int LineHeight() const { return FLineHeight; }
    // The widest line in pixels.
    int MaxWidth() const { return FMaxWidth; }

    // Pixels from the line's start to the character at pos (a position within the line).
    int XOf(const std::u32string& text, int line, int pos) const;
    // The nearest character boundary to x pixels from the line's start.
    int CharAtX(const std::u32string& text, int line, int x) const;

    // Draws line at (x, y) with the characters in [selStart, selEnd) highlighted.
    void PaintLine(HDC dc, const std::u32string& text, int line, int x, int y, int selStart, int selEnd, TColor ink,
                   TColor selInk, TColor selBack) const;

private:
    int Advance(char32_t c) const;
    int Width(const std::u32string& text, int from, int to) const;

    HFONT FFont = nullptr;
    int FLineHeight = 13;
    int FMaxWidth = 0;
    std::vector<TEditLine> FLines{TEditLine{}};
    mutable std::unordered_map<char32_t, int> FAdvances; // per font, cleared when it changes
};
