// The window shape of a control with rounded skin corners: its rectangle less the key pixels of
// its borders mask's corners.
#pragma once

#include "skin/data/TsMaskData.h"

#include "platform/gfx/Region.h"

// Removes from region, run by run, the corner pixels of the mask's state image that are magenta,
// placed as the borders mask places its corners around rect (frame widths narrowed alike). Edges
// and centre never shape the region. Nothing for a mask without a skin or a rectangle below 2 x 2.
void RemoveKeyCornerPixels(Region& region, TsMaskData& mask, const TRect& rect, int state);
