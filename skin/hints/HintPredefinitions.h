// Named sets of hint look values that the hint manager applies when it has been loaded.
#pragma once

#include "skin/hints/TsHintKind.h"

enum TsHintsPredefinitions {
    shSimply,
    shGradient,
    shTransparent,
    shEllipse,
    shBalloon,
    shComicsGradient,
    shComicsTransparent,
    shStandard,
    shNone,
    shCustom,
};

// Sets the predefinition's values, the shadow on and the hint font (plain, black), then the
// style; shStandard and shNone set only the style, shCustom nothing.
void ApplyHintPredefinition(TsHintKind& kind, TsHintsPredefinitions predefinition, const TFont* hintFont);
