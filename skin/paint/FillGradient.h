// Gradient fills of a rectangle from a section's gradient steps.
#pragma once

#include "skin/data/TsGradArray.h"

#include "platform/gfx/Bitmap.h"

// Fills rect (clipped to the bitmap) from the steps; the first step's Mode counts for all:
// 0 top to bottom, each step over Percent of the height (offset shifts where the steps start),
// 1 left to right, 2 four corners and the centre, from Color1 of up to five steps. Any other
// mode, and no steps, draw nothing.
void FillGradient(Bitmap& bitmap, TRect rect, const TsGradArray& gradient, int offset);

// The first step's mode is one FillGradient draws.
bool GradientDraws(const TsGradArray& gradient);
