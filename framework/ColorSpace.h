// Hue, saturation and lightness of colours, for the colour dialog's fields.
#pragma once

#include "platform/gfx/Color.h"

// Hue in whole degrees 0..359, saturation and lightness in whole per cent 0..100.
struct THsl {
    int Hue = 0;
    int Saturation = 0;
    int Lightness = 0;

    friend bool operator==(const THsl&, const THsl&) = default;
};

// A system colour is resolved first. Greys have hue and saturation 0.
THsl RGBToHSL(TColor color);
// Values outside their ranges are brought into them (hue wraps, the others are clamped).
TColor HSLToRGB(THsl hsl);
