// The clipping region of a bitmap without its key-coloured pixels.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"

// The bitmap's rectangle less every pixel equal to key (24 bits); a bitmap smaller than 2 x 2
// gives the whole rectangle.
Region RegionFromKeyColor(const Bitmap& bitmap, TColor key);
