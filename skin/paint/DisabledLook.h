// The look of a disabled element, applied to its finished painting.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include "platform/gfx/Bitmap.h"

// Grayed: every pixel grey. Blended: with the parent image ready, each pixel becomes 0.6 of the
// parent's pixel behind it (pos is the bitmap's top-left in the parent's client area) and 0.4 of
// its own; without one, half of ParentFillColor when set, else of parentColor.
void ApplyDisabledLook(Bitmap& bmp, bool grayed, bool blended, TColor parentColor, TPoint pos,
                       const TParentImageInfo& parent);
