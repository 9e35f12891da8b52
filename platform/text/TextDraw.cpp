// DrawText, TextOut and text measuring on device contexts.
#include "platform/text/TextDraw.h"

#include "platform/gfx/SpanTarget.h"
#include "platform/text/FontFace.h"
#include "platform/text/TextLayout.h"
#include "platform/text/TextRenderer.h"
#include "platform/text/TextTurn.h"

#include <algorithm>
#include <climits>

namespace {

const Font& FontOf(HDC dc) {
    const Font* font = dc ? dc->CurrentFont() : nullptr;
    return font ? *font : *Font::Default();
}

int LineHeight(const Font& font, unsigned format) {
    const TTextMetric& m = font.Metrics();
    return m.tmHeight + ((format & DT_EXTERNALLEADING) ? m.tmExternalLeading : 0);
}

// Right-to-left reading mirrors the horizontal alignment: left becomes right and back.
unsigned HorizontalAlignment(unsigned format) {
    const unsigned align = format & (DT_CENTER | DT_RIGHT);
    if (!(format & DT_RTLREADING) || (align & DT_CENTER)) return align;
    return align == DT_RIGHT ? DT_LEFT : DT_RIGHT;
}

int LineLeft(const TRect& rect, int width, unsigned align) {
    if (align & DT_CENTER) return rect.Left + (rect.Width() - width) / 2;
    if (align & DT_RIGHT) return rect.Right - width;
    return rect.Left;
}

int TextTop(const TRect& rect, int height, unsigned format) {
    if (!(format & DT_SINGLELINE)) return rect.Top; // vertical placement is for single lines only
    if (format & DT_VCENTER) return rect.Top + (rect.Height() - height) / 2;
    if (format & DT_BOTTOM) return rect.Bottom - height;
    return rect.Top;
}

int Quarter(const Font& font) { return TextTurn::QuarterOf(font.LogFont().Escapement); }

// The extent of turned text is measured on the device: a quarter turn swaps width and height.
int CalcRect(const std::vector<TLayoutLine>& lines, int lineHeight, TRect* rect, int quarter) {
    int width = 0;
    for (const TLayoutLine& line : lines) width = std::max(width, line.Width);
    const int height = static_cast<int>(lines.size()) * lineHeight;
    if (quarter % 2) {
        rect->Right = rect->Left + height;
        rect->Bottom = rect->Top + width;
        return height;
    }
    // Wrapped or not, the rectangle fits the widest line: a block of wrapped lines is centred by
    // its own width, and a word wider than the rectangle widens it.
    rect->Right = rect->Left + width;
    rect->Bottom = rect->Top + height;
    return height;
}

// Lines are placed in the text's own frame (frame: the rectangle as the turned text sees it,
// top: the first line's top in it) and turned onto the device with the font.
void Render(DeviceContext& dc, const Font& font, const std::vector<TLayoutLine>& lines, const TRect& logical,
            const TextTurn& turn, const TRect& frame, int top, unsigned format) {
    Bitmap* target = dc.Target();
    if (target == nullptr) return;
    const Region& clip = dc.DeviceClip();
    const SpanTarget span(*target, clip, (format & DT_NOCLIP) ? SpanTarget::kNoLimit : dc.ToDevice(logical));
    TextRenderer renderer(span, font.Face(), ColorToRGB(dc.GetTextColor()), turn);
    const TLogFont& lf = font.LogFont();
    const TLineStyle style{lf.Underline, lf.StrikeOut, (format & DT_PREFIXONLY) != 0};
    const int lineHeight = LineHeight(font, format);
    const unsigned align = HorizontalAlignment(format);
    int y = top;
    for (const TLayoutLine& line : lines) {
        const int x = LineLeft(frame, line.Width, align);
        if (dc.GetBkMode() == OPAQUE) renderer.FillBackground({x, y, x + line.Width, y + lineHeight}, ColorToRGB(dc.GetBkColor()));
        renderer.DrawLine(line, x, y, style);
        y += lineHeight;
    }
}

} // namespace

// A turned font lays its text out in the rectangle as the text sees it: DT_CENTER centres along
// the turned baseline, DT_VCENTER across it.
int DrawText(HDC dc, std::string_view text, TRect* rect, unsigned format) {
    if (dc == nullptr || rect == nullptr) return 0;
    const Font& font = FontOf(dc);
    const int quarter = Quarter(font);
    const TextTurn turn = TextTurn::Filling(quarter, dc->ToDevice(*rect));
    const TSize size = turn.FrameSize(*rect);
    const TRect frame{0, 0, size.cx, size.cy};
    const int lineHeight = LineHeight(font, format);
    const bool calc = format & DT_CALCRECT;
    const bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    const int maxWidth = (calc && !wrap) ? INT_MAX : frame.Width();
    const int maxLines = (calc || lineHeight <= 0) ? 0 : std::max(1, frame.Height() / lineHeight);
    const std::vector<TLayoutLine> lines = TextLayout(font.Face(), format).Lay(text, maxWidth, maxLines);
    if (calc) return CalcRect(lines, lineHeight, rect, quarter);
    const int height = static_cast<int>(lines.size()) * lineHeight;
    Render(*dc, font, lines, *rect, turn, frame, TextTop(frame, height, format), format);
    return height;
}

// A turned font turns the text about (x, y), the top-left of its cell.
bool TextOut(HDC dc, int x, int y, std::string_view text) {
    if (dc == nullptr) return false;
    TRect rect{x, y, x, y};
    const unsigned format = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
    const Font& font = FontOf(dc);
    const std::vector<TLayoutLine> lines = TextLayout(font.Face(), format).Lay(text, INT_MAX);
    const TextTurn turn(Quarter(font), dc->ToDevice(TPoint{x, y}));
    Render(*dc, font, lines, rect, turn, {0, 0, 0, 0}, 0, format);
    return true;
}

TSize GetTextExtent(const Font* font, std::string_view text) {
    const Font& f = font ? *font : *Font::Default();
    const std::vector<TLayoutLine> lines = TextLayout(f.Face(), DT_SINGLELINE | DT_NOPREFIX).Lay(text, INT_MAX);
    return {lines.empty() ? 0 : lines.front().Width, f.Metrics().tmHeight};
}

TSize GetTextExtent(HDC dc, std::string_view text) { return GetTextExtent(&FontOf(dc), text); }

bool GetTextMetrics(HDC dc, TTextMetric* metrics) {
    if (metrics == nullptr) return false;
    *metrics = FontOf(dc).Metrics();
    return true;
}
