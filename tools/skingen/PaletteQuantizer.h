// Reduces a 24-bit bitmap to at most 256 colours (median cut), keeping a set of exact colours
// (the magenta key and the mask greys) so keys and alpha masks survive unchanged.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <vector>

class PaletteQuantizer {
public:
    explicit PaletteQuantizer(std::vector<TColor> fixedColours) : FFixed(std::move(fixedColours)) {}

    // The colours every skin bitmap keeps: magenta and the 17 greys of the alpha bands.
    static PaletteQuantizer ForSkins();

    // Every pixel replaced by its nearest palette colour; a bitmap of 256 colours or fewer is
    // left as it is.
    void Reduce(Bitmap& bitmap) const;

private:
    std::vector<TColor> BuildPalette(const std::vector<std::pair<TColor, int>>& histogram) const;

    std::vector<TColor> FFixed;
};
