// A large JPEG picture pattern of a skin section, kept apart from the image entries.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <string>
#include <vector>

struct TsPatternData {
    Bitmap Img;              // the decoded picture; never re-coloured
    std::string SectionName; // upper-cased
    std::string PropertyName; // upper-cased
};

using TsPatternArray = std::vector<TsPatternData>;
