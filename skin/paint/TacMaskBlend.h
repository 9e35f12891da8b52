// Image pixels over a destination through the alpha mask that lies below them in the same bitmap.
#pragma once

#include "skin/paint/TacParentImage.h"

#include "platform/gfx/Bitmap.h"

// What a key-coloured (magenta) image pixel does to the destination pixel it lands on.
struct TacKeyPixelRule {
    bool BlendLikeOthers = false; // blended like any other pixel; the rest is then unused
    bool PreferColor = false;     // the colour wins over the parent image
    bool HasColor = false;
    TColor Color = clKeyColor;
    TacParentImage Parent; // the parent's image behind the destination, when attached
    // Otherwise: the parent's pixel (none outside its image), else the colour, else left alone.
};

// Per channel d := clamp(((d - s) * m + s * 256) div 256) with m the mask byte, raised by
// MaskRaise (up to 255) to fade the image toward the destination.
class TacMaskBlend {
public:
    TacMaskBlend(const Bitmap& source, int maskOffset, const TacKeyPixelRule& keys, int maskRaise = 0)
        : FSource(source), FMaskOffset(maskOffset), FKeys(keys), FMaskRaise(maskRaise) {}

    // Moves both rectangles together off negative coordinates and cuts them to a common size
    // that lies inside both bitmaps with its mask rows; false when nothing is left.
    bool Clip(TRect& destinationRect, TRect& sourceRect, const Bitmap& destination) const;
    // Blends sourceRect's pixels onto destination from at; both must have passed Clip.
    void Run(Bitmap& destination, TPoint at, const TRect& sourceRect) const;

private:
    void KeyPixel(std::uint8_t* d, int x, int y) const;

    const Bitmap& FSource;
    int FMaskOffset;
    const TacKeyPixelRule& FKeys;
    int FMaskRaise;
};
