// Drawing a skinned speed button's glyph into its cached image for the button's state.
#pragma once

#include "skin/paint/SkinControlTypes.h"

#include "platform/gfx/Bitmap.h"

// What decides how the glyph looks. The glyph's key colour is its bottom-left pixel.
struct TacGlyphLook {
    int State = 0; // 0 normal, 1 hot, 2 pressed
    bool Down = false;
    bool Enabled = true;
    int Blend = 0; // percent of see-through in the normal state
    bool Grayed = false;
    TsDisabledGlyphKind DisabledKind = DefaultDisabledGlyphKind;
};

class TacGlyphPainter {
public:
    // strip: NumGlyphs images side by side (normal, disabled, pressed, down, hot).
    TacGlyphPainter(const Bitmap& strip, int numGlyphs) : FStrip(strip), FCount(numGlyphs < 1 ? 1 : numGlyphs) {}

    int ImageWidth() const { return FStrip.Width() / FCount; }
    // Which image of the strip the look shows.
    int ImageIndex(const TacGlyphLook& look) const;
    void Draw(Bitmap& destination, TPoint at, const TacGlyphLook& look) const;
    // An image list's image on its background colour, which is its key: greyed (but for the
    // key) while normal and Grayed or disabled with dgGrayed, then blended or copied as a
    // one-image glyph is.
    static void DrawListImage(Bitmap& destination, TPoint at, Bitmap image, TColor key, const TacGlyphLook& look);

private:
    static bool Greyed(const TacGlyphLook& look);
    // Blended by Blend while normal, by one half while disabled with dgBlended, else copied;
    // the key colour's pixels are left out either way.
    static void CopyOrBlend(Bitmap& destination, TPoint at, const Bitmap& image, TColor key, const TacGlyphLook& look);
    // One image: greyed, blended or copied over what the destination shows.
    void DrawSingle(Bitmap& destination, TPoint at, const TacGlyphLook& look) const;
    // An image of a strip: copied, or blended while disabled.
    void DrawFromStrip(Bitmap& destination, TPoint at, const TacGlyphLook& look) const;

    const Bitmap& FStrip;
    int FCount;
};
