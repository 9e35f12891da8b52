// The inside of a drawn hint: its colour, texture and gradient mixed by their percentages.
#pragma once

#include "skin/data/TsGradArray.h"
#include "skin/hints/TsHintKind.h"

#include "platform/gfx/Bitmap.h"

class TacHintBackground {
public:
    // Paints over rect of bitmap. Gradient data without a step turns the kind's gradient share
    // off for good.
    static void Paint(TsHintKind& kind, Bitmap& bitmap, const TRect& rect);

private:
    static void GradientOrColor(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient, TColor color);
    static void TileTexture(const TsHintKind& kind, Bitmap& bitmap, const TRect& rect);
    // The gradient (or the colour) painted apart and blended over the texture in rect, which
    // keeps share * 256 div 100 parts in 255.
    static void BlendGradientOverTexture(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient,
                                         const TsHintKind& kind);
};
