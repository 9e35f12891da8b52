// A colour of the generator's drawings: red, green, blue and alpha in 0..1.
#pragma once

#include "platform/gfx/Color.h"

#include <string>
#include <string_view>

struct Rgba {
    double R = 0, G = 0, B = 0, A = 1;

    // "#RRGGBB" or "#RRGGBBAA"; throws for anything else.
    static Rgba Parse(std::string_view text);
    // The skin's decimal colour form ($00BBGGRR) of the opaque colour.
    TColor ToTColor() const;
    // "#RRGGBBAA", the form Parse reads.
    std::string ToText() const;
    Rgba WithAlpha(double alpha) const { return {R, G, B, alpha}; }
    // The colour moved toward another by t (0 keeps this, 1 gives the other), alpha included.
    Rgba Mix(const Rgba& other, double t) const;
};
