// An internal skin: a name and a whole packed skin archive carried by the program.
#pragma once

#include "platform/gfx/Color.h"

#include <cstdint>
#include <string>
#include <vector>

// Only Name and Data are used; the other published values are kept for stored data that has
// them. The collection form (sections and images instead of Data) is not supported.
struct TsStoredSkin {
    std::string Name; // " (internal)" is part of the name and nothing else
    std::vector<std::uint8_t> Data;
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = clFuchsia;
    double Version = 0;
    std::string Author;
    std::string Description;
};
