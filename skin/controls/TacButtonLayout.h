// Where a skinned speed button puts its glyph and its caption block.
#pragma once

#include "framework/ControlTypes.h"

// The sizes a speed button is laid out from. Divisions round toward zero throughout.
struct TacButtonLayout {
    int Width = 0;
    int Height = 0;
    int Arrow = 0;       // 16 with a drop-down part at the right, else 0
    int Margin = -1;     // -1 centres the block
    int Spacing = 4;     // between glyph and caption
    int GlyphWidth = 0;  // one image of the glyph; 0 without a glyph
    int GlyphHeight = 0;
    int TextWidth = 0;   // the caption block as measured
    int TextHeight = 0;
    bool HasCaption = false; // shown and not empty
    TButtonLayout Layout = blGlyphLeft;
    TAlignment Alignment = taCenter;
    int TextOffset = 0;
    bool Pressed = false; // glyph and caption move one pixel right and down

    // Margin offset: 0 when centred, else Margin + 3.
    int MarginOffset() const { return Margin < 0 ? 0 : Margin + 3; }
    // The width a caption may wrap within: 0 without a caption.
    int CaptionRoom() const;
    // Exactly as high as the measured block and centred in the button; widened a pixel left and
    // two right so the last glyph of a line is never clipped.
    TRect CaptionRect() const;
    TRect GlyphRect() const;

private:
    int FreeHalfWidth(int spacing) const;
    int FreeHalfHeight(int spacing) const;
    int CaptionSpacing() const;
    TRect CaptionBlock() const;
};
