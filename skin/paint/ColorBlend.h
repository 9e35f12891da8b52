// Moving pixels toward a colour, mixing two colours, and grey conversion.
#pragma once

#include "platform/gfx/Bitmap.h"

// Every pixel of the inclusive rectangle (clipped to the bitmap) becomes, per channel,
// round(e * old + (1 - e) * c) with e = percent / 100: 100 leaves the bitmap as it is, 0 paints
// the colour. A system colour is resolved first.
void BlendColorRect(Bitmap& bitmap, TRect inclusive, int percent, TColor color);

// Per channel round(factor * (a - b) + b): 1 gives a, 0 gives b. The result keeps a's high byte;
// system colours are resolved first.
TColor MixColors(TColor a, TColor b, double factor);

// Every pixel becomes (blue + green + red) div 3 in all three channels.
void GrayscaleBitmap(Bitmap& bitmap);
// The same, leaving pixels of the key colour as they are.
void GrayscaleExceptKey(Bitmap& bitmap, TColor key);
