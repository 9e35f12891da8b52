// Putting the parent's background back into the key-coloured corner pixels of a finished image.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include "skin/data/TsMaskData.h"

#include "platform/gfx/Bitmap.h"

// Corner codes, combined as a set.
enum : int { ccTopLeft = 1, ccBottomLeft = 2, ccTopRight = 4, ccBottomRight = 8, ccAllCorners = 15 };

// For each corner asked for, the borders mask's corner piece of the state (widths as stored, not
// narrowed) is laid over the same corner of the image: where the piece is magenta, the image
// pixel becomes ParentFillColor when set, else the parent image's pixel behind it (none outside
// it; parentBehind as a painter's ParentBehind gives it), else stays. A mask without states that
// has its own bitmap is read as three states of an image over its alpha mask.
void RestoreKeyCorners(Bitmap& image, const TsMaskData& mask, int state, int corners,
                       const TParentImageInfo& parentBehind);
