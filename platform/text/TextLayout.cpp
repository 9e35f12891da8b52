// Line breaking for DrawText: greedy word wrap, "&" prefixes, tab expansion and "..." endings.
#include "platform/text/TextLayout.h"

#include "platform/system/Mnemonic.h"
#include "platform/system/Utf8.h"
#include "platform/text/TextDraw.h"

#include <algorithm>

namespace {

constexpr unsigned kEllipsisFlags = DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS;
constexpr int kTabChars = 8;

bool IsSpace(char32_t c) { return c == U' ' || c == U'\t'; }

} // namespace

TextLayout::TextLayout(FontFace& face, unsigned format)
    : FFace(face), FFormat(format), FTabWidth(kTabChars * face.Metrics().tmAveCharWidth) {}

TextLayout::Chars TextLayout::Prefixed(const std::u32string& text) const {
    Chars out;
    out.reserve(text.size());
    if (FFormat & DT_NOPREFIX) {
        for (char32_t c : text) out.push_back({c, false});
        return out;
    }
    const bool underline = !(FFormat & DT_HIDEPREFIX);
    for (const TCaptionChar& c : CaptionChars(text)) out.push_back({c.Code, c.Marked && underline});
    return out;
}

std::vector<TextLayout::Chars> TextLayout::Paragraphs(const Chars& text) const {
    std::vector<Chars> out;
    if (text.empty()) return out;
    out.emplace_back();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i].Code;
        if (c != U'\r' && c != U'\n') {
            out.back().push_back(text[i]);
            continue;
        }
        if (FFormat & DT_SINGLELINE) continue;
        if (c == U'\r' && i + 1 < text.size() && text[i + 1].Code == U'\n') ++i;
        out.emplace_back();
    }
    if (out.size() > 1 && out.back().empty()) out.pop_back(); // a closing line break adds no line
    return out;
}

int TextLayout::AdvanceAt(char32_t code, int x) {
    if (code != U'\t') return FFace.Advance(code);
    if (!(FFormat & DT_EXPANDTABS) || FTabWidth <= 0) return FFace.Advance(U' ');
    return (x / FTabWidth + 1) * FTabWidth - x;
}

TLayoutLine TextLayout::Place(const Chars& paragraph, std::size_t from, std::size_t to) {
    TLayoutLine line;
    line.Chars.reserve(to - from);
    int x = 0;
    for (std::size_t i = from; i < to; ++i) {
        const int advance = AdvanceAt(paragraph[i].Code, x);
        line.Chars.push_back({paragraph[i].Code, x, advance, paragraph[i].Underline});
        x += advance;
    }
    line.Width = x;
    FitInk(line);
    return line;
}

// Glyphs that reach past their advance (a "T" or an italic "f" at a line's end) move or widen
// the line, so that its box holds every pixel drawn: calculated rectangles never cut ink.
void TextLayout::FitInk(TLayoutLine& line) {
    int inkLeft = 0, inkRight = line.Width;
    for (const TLayoutChar& c : line.Chars) {
        const TGlyph& g = FFace.Glyph(c.Code);
        if (g.Width == 0 || c.Code == U'\t') continue;
        inkLeft = std::min(inkLeft, c.X + g.Left);
        inkRight = std::max(inkRight, c.X + g.Left + g.Width);
    }
    if (inkLeft < 0)
        for (TLayoutChar& c : line.Chars) c.X -= inkLeft;
    line.Width = inkRight - inkLeft;
}

// Pixels that the glyphs at a line's ends draw beyond the line's advances.
int TextLayout::InkOverhang(char32_t firstCode, char32_t lastCode) {
    const TGlyph& first = FFace.Glyph(firstCode);
    const TGlyph& last = FFace.Glyph(lastCode);
    const int left = first.Width == 0 || firstCode == U'\t' ? 0 : std::max(0, -first.Left);
    const int right = last.Width == 0 || lastCode == U'\t' ? 0 : std::max(0, last.Left + last.Width - last.Advance);
    return left + right;
}

// The most characters from `from` that fit in maxWidth on a line already x wide, but at least
// one on an empty line.
std::size_t TextLayout::FitChars(const Chars& paragraph, std::size_t from, std::size_t to, int x, int maxWidth) {
    std::size_t i = from;
    while (i < to) {
        const int advance = AdvanceAt(paragraph[i].Code, x);
        if (x + advance > maxWidth && (i > from || x > 0)) break;
        x += advance;
        ++i;
    }
    return i;
}

void TextLayout::Break(const Chars& paragraph, int maxWidth, std::vector<TLayoutLine>& out) {
    const std::size_t n = paragraph.size();
    std::size_t i = 0;
    do {
        const std::size_t lineStart = i;
        std::size_t lineEnd = i;
        int x = 0;
        while (i < n) {
            std::size_t wordStart = i;
            int wordX = x;
            while (wordStart < n && IsSpace(paragraph[wordStart].Code)) wordX += AdvanceAt(paragraph[wordStart++].Code, wordX);
            if (wordStart == n) {
                // A line ended by a line break (or by the text's end) keeps its closing blanks
                // as far as they fit, so that it is measured and centred with them; only the
                // blanks at a wrap point are dropped.
                lineEnd = i = FitChars(paragraph, i, n, x, maxWidth);
                break;
            }
            std::size_t wordEnd = wordStart;
            while (wordEnd < n && !IsSpace(paragraph[wordEnd].Code)) wordX += AdvanceAt(paragraph[wordEnd++].Code, wordX);
            const bool first = lineEnd == lineStart;
            // Fit as GetTextExtent measures: ink reaching past the first or last advance counts.
            const int inkWidth = wordX + InkOverhang(paragraph[lineStart].Code, paragraph[wordEnd - 1].Code);
            if (inkWidth > maxWidth && !first) break;
            if (wordX > maxWidth && (FFormat & DT_EDITCONTROL)) {
                // A word wider than the whole line is cut where it stops fitting.
                lineEnd = i = FitChars(paragraph, lineStart, wordEnd, 0, maxWidth);
                break;
            }
            lineEnd = i = wordEnd;
            x = wordX;
        }
        out.push_back(Place(paragraph, lineStart, lineEnd));
        while (i < n && IsSpace(paragraph[i].Code)) ++i; // a wrapped line starts at its word
    } while (i < n);
}

void TextLayout::Ellipsise(TLayoutLine& line, int maxWidth) {
    const int dots = 3 * FFace.Advance(U'.');
    auto& chars = line.Chars;
    while (!chars.empty() && (chars.back().X + chars.back().Advance + dots > maxWidth || IsSpace(chars.back().Code)))
        chars.pop_back();
    int x = chars.empty() ? 0 : chars.back().X + chars.back().Advance;
    for (int k = 0; k < 3; ++k) {
        chars.push_back({U'.', x, FFace.Advance(U'.'), false});
        x += chars.back().Advance;
    }
    line.Width = x;
    FitInk(line);
}

std::vector<TLayoutLine> TextLayout::Lay(std::string_view text, int maxWidth, int maxLines) {
    std::vector<TLayoutLine> lines;
    const bool wrap = (FFormat & DT_WORDBREAK) && !(FFormat & DT_SINGLELINE);
    for (const Chars& paragraph : Paragraphs(Prefixed(DecodeUtf8(text)))) {
        if (wrap)
            Break(paragraph, maxWidth, lines);
        else
            lines.push_back(Place(paragraph, 0, paragraph.size()));
    }
    if (!(FFormat & kEllipsisFlags)) return lines;
    for (TLayoutLine& line : lines)
        if (line.Width > maxWidth) Ellipsise(line, maxWidth);
    if (wrap && maxLines > 0 && static_cast<int>(lines.size()) > maxLines) {
        lines.resize(static_cast<std::size_t>(maxLines));
        Ellipsise(lines.back(), maxWidth);
    }
    return lines;
}
