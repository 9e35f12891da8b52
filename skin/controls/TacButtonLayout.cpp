// The placement of a skinned speed button's glyph and caption.
#include "skin/controls/TacButtonLayout.h"

int TacButtonLayout::CaptionRoom() const {
    if (!HasCaption) return 0;
    return Width - Arrow - 2 * Margin - (GlyphWidth != 0 ? GlyphWidth + Spacing : 0);
}

int TacButtonLayout::FreeHalfWidth(int spacing) const {
    return (Width - Arrow - GlyphWidth - spacing - TextWidth) / 2 - MarginOffset();
}

int TacButtonLayout::FreeHalfHeight(int spacing) const {
    return (Height - GlyphHeight - spacing - TextHeight) / 2 - MarginOffset();
}

// Beside a glyph the spacing counts when the glyph has width, above or below it when it has height.
int TacButtonLayout::CaptionSpacing() const {
    const bool vertical = Layout == blGlyphTop || Layout == blGlyphBottom;
    const int glyphExtent = vertical ? GlyphHeight : GlyphWidth;
    return glyphExtent > 0 && HasCaption ? Spacing : 0;
}

TRect TacButtonLayout::CaptionBlock() const {
    const int sp = CaptionSpacing();
    const int spGlyph = GlyphWidth > 0 ? Spacing : 0;
    const int m = MarginOffset();
    const int h = FreeHalfWidth(sp);
    const int v = FreeHalfHeight(sp);
    const int top = (Height - TextHeight) / 2;
    const int bottom = Height - (Height - TextHeight) / 2;
    const int centredLeft = (Width - TextWidth - Arrow) / 2;
    const int centredRight = Width - (Width - TextWidth - Arrow) / 2 - Arrow;
    switch (Layout) {
    case blGlyphLeft:
        if (Alignment == taLeftJustify) return {GlyphWidth + Margin + spGlyph, top, Width - Arrow - m - 2 * h, bottom};
        if (Alignment == taCenter) return {GlyphWidth + m + h + spGlyph, top, Width - Arrow - m - h, bottom};
        return {m + 2 * h + GlyphWidth + spGlyph, top, Width - Arrow - m, bottom};
    case blGlyphRight:
        if (Alignment == taLeftJustify) return {m, top, m + TextWidth, bottom};
        if (Alignment == taCenter) return {m + h, top, m + h + TextWidth, bottom};
        return {m + 2 * h, top, m + 2 * h + TextWidth, bottom};
    case blGlyphTop: return {centredLeft, GlyphHeight + v + m + sp, centredRight, Height - v - m};
    case blGlyphBottom: return {centredLeft, v + m, centredRight, Height - v - m - GlyphHeight - sp};
    }
    return {};
}

TRect TacButtonLayout::CaptionRect() const {
    const TRect block = CaptionBlock();
    TRect r{block.Left - 1 + TextOffset, block.Top, block.Right + 2 + TextOffset, block.Bottom};
    return Pressed ? r.Offset(1, 1) : r;
}

TRect TacButtonLayout::GlyphRect() const {
    const int sp = GlyphWidth > 0 && HasCaption ? Spacing : 0;
    const int m = MarginOffset();
    const int h = FreeHalfWidth(sp);
    const int v = FreeHalfHeight(sp);
    const int middle = (Height - GlyphHeight) / 2;
    TPoint at;
    switch (Layout) {
    case blGlyphLeft: at = {Alignment == taLeftJustify ? m : Alignment == taCenter ? m + h : m + 2 * h, middle}; break;
    case blGlyphRight:
        if (Alignment == taLeftJustify) at = {Width - Arrow - m - 2 * h - sp - GlyphWidth, middle};
        else if (Alignment == taCenter) at = {(TextWidth + Width + sp - Arrow - GlyphWidth) / 2, middle};
        else at = {Width - Arrow - GlyphWidth - m, middle};
        break;
    case blGlyphTop: at = {(Width - Arrow - GlyphWidth) / 2 + 1, v + m}; break;
    case blGlyphBottom: at = {(Width - Arrow - GlyphWidth) / 2 + 1, Height - m - v - GlyphHeight}; break;
    }
    if (Pressed) at = {at.X + 1, at.Y + 1};
    return {at.X, at.Y, at.X + GlyphWidth, at.Y + GlyphHeight};
}
