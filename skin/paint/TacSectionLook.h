// The values of a section that paint one state: the normal ones in state 0, the hot ones otherwise.
#pragma once

#include "skin/data/TsGeneralData.h"

#include <string_view>

struct TacSectionLook {
    TColor Color = clWhite;
    int Transparency = 0;    // percent
    int GradientPercent = 0; // share of the gradient, never below 0
    int ImagePercent = 0;    // share of the pattern, never below 0
    const TsGradArray* Gradient = nullptr;
    bool HasGradientText = false;
    std::string_view PatternKey; // PATTERN or HOTPATTERN
    const TsFontColors* FontColors = nullptr;

    // A custom colour (anything but the key colour) makes an opaque plain fill of that colour.
    static TacSectionLook For(const TsGeneralData& section, int state, TColor customColor);
};

// State 0 paints with the normal values, any other state with the hot ones.
inline bool IsHotState(int state) {
    return state != 0;
}
