// Row access to a 32-bit bitmap (blue, green, red, alpha), for parent images that happen to be 32-bit.
#pragma once

#include "skin/paint/TacFastRows.h"

class TacFast32 : public TacFastRows<TPixelFormat::pf32bit, 4> {
public:
    // Stores the colour's red, green and blue, and its high byte as the alpha; no bounds checks.
    void SetPixel(int x, int y, TColor color) const;
};
