// Re-colouring of skin colours and bitmaps by a hue rotation and a saturation change.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

// The colour turned around the colour wheel by hueOffset degrees. System colour codes are
// resolved first; grey colours come back unchanged as RGB. The hue is rounded to whole degrees,
// so an offset of 360 is not an exact identity. Negative offsets wrap into 0..359.
TColor ShiftHue(TColor color, int hueOffset);

// The saturation amount for a manager's Saturation value: (-saturation) mod 101, the remainder
// taking the sign of the dividend, so 0..100 gives 0..-100 and 101 gives 0.
int SaturationAmount(int saturation);
// Each channel moved by amount percent of its distance from the channels' average: negative
// amounts move away (more vivid), positive toward it (100 is grey). System colour codes are
// resolved first rather than losing their high byte.
TColor ShiftSaturation(TColor color, int amount);

// The passes over a bitmap's pixels; magenta key pixels and grey pixels are left alone. A 32-bit
// bitmap is converted to 24 bits first. An offset or amount of 0 leaves the pixels untouched.
void ShiftBitmapHue(Bitmap& bitmap, int hueOffset);
void ShiftBitmapSaturation(Bitmap& bitmap, int amount);
