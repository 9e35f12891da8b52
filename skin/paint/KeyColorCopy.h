// Copies that leave out the pixels of a key colour, or show the parent's image through them.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include "platform/gfx/Bitmap.h"

// The whole source at (x, y); pixels equal to the key are not written.
void CopyWithKeyColor(Bitmap& destination, const Bitmap& source, int x, int y, TColor key);
// The inclusive source rectangle, clipped to the source, with its first remaining pixel at (x, y);
// pixels equal to the key are not written, nor pixels that fall outside the destination.
void CopyRectWithKeyColor(Bitmap& destination, const Bitmap& source, int x, int y, TColor key,
                          TRect sourceInclusive);
// As CopyRectWithKeyColor; in addition, with useParent set and a parent image of at least 2 x 2,
// a key pixel landing on (x, y) takes the parent image's pixel behind it (parent.X + x,
// parent.Y + y), and is not written where that lies outside the parent image.
void CopyRectOverParent(Bitmap& destination, const Bitmap& source, int x, int y, bool useParent,
                        const TParentImageInfo& parent, TColor key, TRect sourceInclusive);
