// The geometry of an image entry as painters see it: its bitmap, its rectangle, its states and bands.
#pragma once

#include "skin/data/TsMaskData.h"

#include "platform/gfx/Bitmap.h"

// An entry's image is its own bitmap when it has one, else a rectangle of the skin's master
// bitmap. Its rectangle holds States() state images side by side and Bands() bands of equal height
// one under the other: the image on top, its alpha mask below (mask type 1 or more).
class TacMaskView {
public:
    explicit TacMaskView(const TsMaskData& mask) : FMask(mask) {}

    // The mask belongs to a loaded skin (it reaches the master bitmap through it).
    bool HasSkin() const { return FMask.Manager != nullptr; }
    bool HasOwnBitmap() const { return FMask.Bmp != nullptr; }
    // The own bitmap, else the master bitmap; null when neither can be reached.
    const Bitmap* Source() const;
    // R, or the whole own bitmap when R was left empty (textures made from JPEGs).
    TRect Rect() const;
    int States() const { return FMask.ImageCount > 0 ? FMask.ImageCount : 1; }
    int Bands() const { return FMask.MaskType > 0 ? FMask.MaskType + 1 : 1; }
    int StateWidth() const { return Rect().Width() / States(); }
    // The height of one band: the image, and the distance from an image row to its mask row.
    int StateHeight() const { return Rect().Height() / Bands(); }
    int ClampState(int state) const { return state < 0 ? 0 : (state >= States() ? States() - 1 : state); }
    // Top-left of the image of a state (limited to the last state) in Source().
    TPoint StateOrigin(int state) const;

private:
    const TsMaskData& FMask;
};
