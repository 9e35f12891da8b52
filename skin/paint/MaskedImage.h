// Skin images drawn through their alpha masks, and one state of an image entry at a point.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include "skin/data/TsMaskData.h"

#include "platform/gfx/Bitmap.h"

// Image pixels of sourceRect (of the source bitmap of mask, mask type 1 or more) over
// destinationRect through the alpha mask one band below them: black in the mask shows the image,
// white keeps the destination. Rectangles are exclusive and cut to a common size inside both
// bitmaps. Magenta image pixels are blended like others unless corner is set; then they take the
// parent image's pixel behind them (nothing outside it) when the parent is Ready, else
// ParentKeyColor when set, else magenta itself.
void CopyThroughMask(TRect destinationRect, TRect sourceRect, Bitmap& destination, const TsMaskData& mask,
                     bool corner, const TParentImageInfo& parent, const Bitmap& source);

// Inclusive rectangles. Mask type 0: a magenta-keyed copy. Otherwise the mask band lies one band
// below the image; magenta pixels are left alone, and with any mode but 1 the mask is lightened
// by 100 (limited to 255), fading the image toward the destination.
void DrawMaskedImage(TRect destinationInclusive, TRect sourceInclusive, Bitmap& destination,
                     const TsMaskData& mask, int mode, const Bitmap& source);

// One state (limited to the last) of an image entry with its top-left at point, clipped to the
// destination. From the master bitmap, mask type 0 is copied with the magenta key in mode 1 and
// half blended in other modes; nothing is drawn for an entry without a skin or without states.
void DrawSkinImage(Bitmap& destination, TPoint point, int state, const TsMaskData& mask, int mode);
