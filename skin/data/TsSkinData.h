// The skin-wide values of a loaded skin, from its GLOBALINFO section.
#pragma once

#include "platform/gfx/Color.h"

#include <string>

struct TsSkinData {
    std::string SkinPath; // the skin folder with a trailing separator; empty for archive skins
    bool Active = false;  // a loaded skin is in force
    double Version = 0;
    std::string Author;
    std::string Description;
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = 0;
    int BISpace = 0;
};
