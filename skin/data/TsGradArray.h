// A section's gradient: steps parsed from its GRADIENTDATA text.
#pragma once

#include "platform/gfx/Color.h"

#include <cstdint>
#include <string_view>
#include <vector>

struct TsGradStep {
    TColor Color1 = 0;
    TColor Color2 = 0;
    std::uint8_t Percent = 0; // share of the gradient's extent, 0..100
    int Mode = 0;            // the first step's mode counts: 0 vertical, 1 horizontal, 2 four-corner

    friend bool operator==(const TsGradStep&, const TsGradStep&) = default;
};

using TsGradArray = std::vector<TsGradStep>;

// Numbers separated by ";" (runs count as one), five per step: start colour, end colour,
// percent (limited to 0..100), mode and an unused fifth. A trailing incomplete group is ignored;
// a number that does not parse counts as 0.
TsGradArray ParseGradientData(std::string_view text);
