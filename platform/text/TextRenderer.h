// Puts laid-out lines of glyphs onto a clipped bitmap: coverage blending, underlines, background.
#pragma once

#include "platform/gfx/SpanTarget.h"
#include "platform/text/FontFace.h"
#include "platform/text/TextLayout.h"
#include "platform/text/TextTurn.h"

struct TLineStyle {
    bool Underline = false;   // the font's underline under the whole line
    bool StrikeOut = false;
    bool PrefixOnly = false;  // only the "&" underlines, no glyphs
};

class TextRenderer {
public:
    // Colours are RGB. Coverage is blended in linear light so that thin strokes keep their weight.
    // Positions are in the turn's text frame; each glyph is turned as it is blended, so turned
    // text has exactly the pixels of upright text turned afterwards.
    TextRenderer(const SpanTarget& target, FontFace& face, TColor textColor, const TextTurn& turn);

    // (x, top) is the top-left of the line's cell.
    void DrawLine(const TLayoutLine& line, int x, int top, const TLineStyle& style);
    void FillBackground(const TRect& box, TColor color);

private:
    void DrawGlyph(const TGlyph& glyph, int penX, int baseline);
    void BlendBox(const TRect& frameBox, const std::uint8_t* coverage);
    void BlendRun(int y, int x0, int x1, const std::uint8_t* coverage);
    void Bar(int x0, int x1, int top, int thickness);

    const SpanTarget& FTarget;
    FontFace& FFace;
    TextTurn FTurn;
    std::uint8_t FColor[3]; // blue, green, red
};
