// A button's glyph strip and the arrangement of glyph and caption on its face, shared by the
// speed button and the bitmap button.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/TBitmap.h"

#include <memory>
#include <string>

class TFont;

// The strip holds NumGlyphs images side by side, indexed by TButtonState (up, disabled, down,
// exclusive); a state without its own image uses the up image. The colour of the strip's
// bottom-left pixel is see-through.
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();

    TBitmap* Glyph() const { return FGlyph.get(); }
    int NumGlyphs() const { return FNumGlyphs; }
    // Clamped to 1..4; false when nothing changed.
    bool SetNumGlyphs(int count);
    // The size of one image; empty without a glyph.
    TSize ImageSize() const;

    // Glyph and caption as one block inside client: laid against the layout's edge at margin,
    // or centred (-1); spacing -1 spreads the free room evenly around and between them.
    static void Arrange(const TRect& client, TSize glyph, TSize caption, TButtonLayout layout, int margin, int spacing,
                        TRect& glyphRect, TRect& captionRect);

    // The image of the state at rect's top-left; a disabled state without its own image is drawn
    // as an embossed silhouette.
    void DrawGlyph(HDC dc, const TRect& rect, TButtonState state) const;
    // The caption (single line, "&" underlines) centred in rect, embossed when disabled.
    static void DrawCaption(HDC dc, const std::string& caption, const TRect& rect, const TFont* font, bool enabled);

private:
    void DrawImage(HDC dc, int x, int y, int index, TColor only) const;

    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
};
