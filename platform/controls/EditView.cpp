// Edit line layout and line painting.
#include "platform/controls/EditView.h"
#include "platform/controls/EditBuffer.h"
#include "platform/system/Utf8.h"
#include "platform/text/TextDraw.h"

#include <algorithm>

int EditView::Advance(char32_t c) const {
    if (c == U'\t') return 8 * Advance(U' ');
    auto it = FAdvances.find(c);
    if (it != FAdvances.end()) return it->second;
    int w = GetTextExtent(FFont, EncodeUtf8(c)).cx;
    FAdvances.emplace(c, w);
    return w;
}

int EditView::Width(const std::u32string& text, int from, int to) const {
    int w = 0;
    for (int i = from; i < to; ++i) w += Advance(text[static_cast<std::size_t>(i)]);
    return w;
}

void EditView::Layout(const std::u32string& text, HFONT font, int wrapWidth) {
    if (font != FFont) {
        FFont = font;
        FAdvances.clear();
        FLineHeight = std::max(1, font->Metrics().tmHeight);
    }
    FLines.clear();
    FMaxWidth = 0;
    int n = static_cast<int>(text.size());
    int start = 0, width = 0, lastBreak = -1;
    for (int i = 0; i <= n; ++i) {
        bool end = i == n;
        char32_t c = end ? 0 : text[static_cast<std::size_t>(i)];
        if (end || c == U'\n' || c == U'\r') {
            FLines.push_back({start, i - start});
            FMaxWidth = std::max(FMaxWidth, width);
            if (!end && c == U'\r' && i + 1 < n && text[static_cast<std::size_t>(i + 1)] == U'\n') ++i;
            start = i + 1;
            width = 0;
            lastBreak = -1;
            continue;
        }
        int a = Advance(c);
        if (wrapWidth > 0 && width + a > wrapWidth && i > start && c != U' ') {
            // Break after the last space of the line, or inside a word too long for the width.
            int cut = lastBreak >= start ? lastBreak + 1 : i;
            FLines.push_back({start, cut - start});
            FMaxWidth = std::max(FMaxWidth, Width(text, start, cut));
            start = cut;
            width = Width(text, start, i);
            lastBreak = -1;
        }
        if (c == U' ' || c == U'\t') lastBreak = i;
        width += a;
    }
}

int EditView::LineFromChar(int pos) const {
    auto it = std::upper_bound(FLines.begin(), FLines.end(), pos, [](int p, const TEditLine& l) { return p < l.Start; });
    return std::max(0, static_cast<int>(it - FLines.begin()) - 1);
}

int EditView::XOf(const std::u32string& text, int line, int pos) const {
    const TEditLine& l = FLines[static_cast<std::size_t>(line)];
    return Width(text, l.Start, std::clamp(pos, l.Start, l.Start + l.Length));
}

int EditView::CharAtX(const std::u32string& text, int line, int x) const {
    const TEditLine& l = FLines[static_cast<std::size_t>(line)];
    int at = 0;
    for (int i = l.Start; i < l.Start + l.Length; ++i) {
        int a = Advance(text[static_cast<std::size_t>(i)]);
        if (x < at + a / 2) return i;
        at += a;
    }
    return l.Start + l.Length;
}

void EditView::PaintLine(HDC dc, const std::u32string& text, int line, int x, int y, int selStart, int selEnd, TColor ink,
                         TColor selInk, TColor selBack) const {
    const TEditLine& l = FLines[static_cast<std::size_t>(line)];
    TRect clip;
    dc->GetClipBox(&clip);
    for (int i = l.Start; i < l.Start + l.Length && x < clip.Right; ++i) {
        char32_t c = text[static_cast<std::size_t>(i)];
        int a = Advance(c);
        bool selected = i >= selStart && i < selEnd;
        if (selected) dc->FillRect({x, y, x + a, y + FLineHeight}, selBack);
        if (x + a > clip.Left && c != U'\t') {
            dc->SetTextColor(selected ? selInk : ink);
            TextOut(dc, x, y, EncodeUtf8(c));
        }
        x += a;
    }
}
