// One skin section's values, as every painter reads them.
#pragma once

#include "skin/data/TsGradArray.h"

#include "platform/gfx/Color.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum TsControlBevel : std::uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

// Five text colours: [0] main, then the contour colours left, top, right, bottom (-1 = none).
using TsFontColors = std::array<TColor, 5>;

// PARENTCLASS chains are followed this many sections deep at most: the shipped skins need three,
// and a limit keeps a hostile skin with a chain of thousands of sections from freezing a load.
constexpr int MaxParentChain = 32;

struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;
    TColor Color = clWhite;
    TsControlBevel Bevel = cbNone;
    TsFontColors FontColor{0, -1, -1, -1, -1};
    TsFontColors HotFontColor{0, -1, -1, -1, -1};
    bool ReservedBoolean = false;
    int ShadowBlur = 6;
    TColor ShadowColor = 0;
    bool ShadowEnabled = false;
    int ShadowOffset = 3;
    int ShadowTransparency = 50;
    int Transparency = 0;
    int GradientPercent = 0;
    std::string GradientData;
    TsGradArray Gradient;
    int ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int FadingIntervalIn = 5;
    int FadingIntervalOut = 5;
    int FadingIterations = 5;
    TColor HotColor = clWhite;
    int HotTransparency = 0;
    TsControlBevel HotBevel = cbNone;
    int HotGradientPercent = 0;
    std::string HotGradientData;
    TsGradArray HotGradient;
    int HotImagePercent = 0;
    TColor BorderColor1 = 0;
    TColor BorderColor2 = 0;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;
