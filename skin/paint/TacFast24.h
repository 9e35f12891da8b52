// Row access to a 24-bit working bitmap.
#pragma once

#include "skin/paint/TacFastRows.h"

class TacFast24 : public TacFastRows<TPixelFormat::pf24bit, 3> {
public:
    // Stores the colour's red, green and blue; no bounds checks.
    void SetPixel(int x, int y, TColor color) const;
};
