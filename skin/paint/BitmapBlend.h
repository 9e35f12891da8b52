// Blending one bitmap over another: by a real factor with a key colour, or by a transparency byte.
#pragma once

#include "platform/gfx/Bitmap.h"

// A key colour whose high byte is $FF: no source pixel is skipped.
constexpr TColor clNoKey = static_cast<TColor>(0xFFFFFFFFu);

// The inclusive source rectangle's top-left maps to (x, y) of the destination, even where it lies
// outside the source (that part is skipped); Right and Bottom are limited to the source, and
// pixels falling outside the destination are skipped. Unless the key's high byte is $FF, source
// pixels equal to the key's red, green and blue are left out. Every other channel becomes
// round(s - factor * (s - d)): factor 0 gives the source, 1 keeps the destination.
void BlendBitmapRect(Bitmap& destination, int x, int y, TColor key, double factor, TRect sourceInclusive,
                     const Bitmap& source);

// Blends sourceRect of the source onto the destination with its top-left at point, with the
// transparency byte a = the red byte of transparency: d := (d*a + s*(255 - a) + 127) div 256.
// The rectangle is clipped to both bitmaps; nothing happens when either is smaller than 2 x 2.
void BlendBitmapAt(Bitmap& destination, const Bitmap& source, TColor transparency, TPoint point,
                   TRect sourceRect);
