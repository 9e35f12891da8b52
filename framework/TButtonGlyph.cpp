// Glyph strips and the glyph-and-caption arrangement of buttons.
#include "framework/TButtonGlyph.h"

#include "framework/TCanvas.h"
#include "framework/TFont.h"

#include "platform/text/TextDraw.h"

#include <algorithm>

TButtonGlyph::TButtonGlyph() : FGlyph(std::make_unique<TBitmap>()) {}

TButtonGlyph::~TButtonGlyph() = default;

bool TButtonGlyph::SetNumGlyphs(int count) {
    count = std::clamp(count, 1, 4);
    if (FNumGlyphs == count) return false;
    FNumGlyphs = count;
    return true;
}

TSize TButtonGlyph::ImageSize() const {
    if (FGlyph->Empty()) return {};
    return {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

void TButtonGlyph::Arrange(const TRect& client, TSize g, TSize t, TButtonLayout layout, int margin, int spacing,
                           TRect& glyphRect, TRect& captionRect) {
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    const int along = horizontal ? client.Width() : client.Height();
    const int glyphAlong = horizontal ? g.cx : g.cy;
    const int textAlong = horizontal ? t.cx : t.cy;
    if (!glyphAlong || !textAlong) spacing = 0;
    if (margin < 0 && spacing < 0) {
        spacing = margin = (along - glyphAlong - textAlong) / 3;
    } else if (margin < 0) {
        margin = (along - glyphAlong - spacing - textAlong) / 2;
    } else if (spacing < 0) {
        spacing = (along - margin - glyphAlong - textAlong) / 2;
    }
    const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
    const int glyphPos = glyphFirst ? margin : along - margin - glyphAlong;
    const int textPos = glyphFirst ? margin + glyphAlong + spacing : along - margin - glyphAlong - spacing - textAlong;
    if (horizontal) {
        glyphRect = Bounds(client.Left + glyphPos, client.Top + (client.Height() - g.cy) / 2, g.cx, g.cy);
        captionRect = Bounds(client.Left + textPos, client.Top + (client.Height() - t.cy) / 2, t.cx, t.cy);
    } else {
        glyphRect = Bounds(client.Left + (client.Width() - g.cx) / 2, client.Top + glyphPos, g.cx, g.cy);
        captionRect = Bounds(client.Left + (client.Width() - t.cx) / 2, client.Top + textPos, t.cx, t.cy);
    }
}

// only: clNone keeps the image's colours, any other colour paints every opaque pixel in it.
void TButtonGlyph::DrawImage(HDC dc, int x, int y, int index, TColor only) const {
    const TSize size = ImageSize();
    TCanvas* source = FGlyph->Canvas();
    const TColor key = source->Pixels(0, FGlyph->Height() - 1);
    for (int row = 0; row < size.cy; ++row)
        for (int col = 0; col < size.cx; ++col) {
            const TColor c = source->Pixels(index * size.cx + col, row);
            if (c != key) dc->SetPixel(x + col, y + row, only == clNone ? c : only);
        }
}

void TButtonGlyph::DrawGlyph(HDC dc, const TRect& rect, TButtonState state) const {
    if (FGlyph->Empty() || rect.IsEmpty()) return;
    const int index = static_cast<int>(state) < FNumGlyphs ? static_cast<int>(state) : 0;
    if (state == bsDisabled && FNumGlyphs < 2) {
        DrawImage(dc, rect.Left + 1, rect.Top + 1, 0, ColorToRGB(clBtnHighlight));
        DrawImage(dc, rect.Left, rect.Top, 0, ColorToRGB(clBtnShadow));
        return;
    }
    DrawImage(dc, rect.Left, rect.Top, index, clNone);
}

void TButtonGlyph::DrawCaption(HDC dc, const std::string& caption, const TRect& rect, const TFont* font, bool enabled) {
    if (caption.empty()) return;
    dc->SelectFont(font->Handle());
    dc->SetBkMode(TRANSPARENT);
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    TRect r = rect;
    if (!enabled) {
        TRect shifted = r.Offset(1, 1);
        dc->SetTextColor(ColorToRGB(clBtnHighlight));
        DrawText(dc, caption, &shifted, flags);
        dc->SetTextColor(ColorToRGB(clBtnShadow));
    } else {
        dc->SetTextColor(ColorToRGB(font->Color()));
    }
    DrawText(dc, caption, &r, flags);
}
