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

    // The gradient over rect (clipped to the bitmap): vertical, horizontal or four-corner by the
    // first step's mode; colours are carried as reals and rounded per pixel.
    static void FillGradient(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient);

private:
    static void FillVertical(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient);
    static void FillHorizontal(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient);
    static void FillFourCorners(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient);
    static void GradientOrColor(Bitmap& bitmap, const TRect& rect, const TsGradArray& gradient, TColor color);
    static void TileTexture(TsHintKind& kind, Bitmap& bitmap, const TRect& rect);
    // Each channel keeps percent of what is there; the colour gets the rest.
    static void BlendColor(Bitmap& bitmap, const TRect& rect, int percent, TColor color);
    // d := (d * a + s * (255 - a) + 127) div 256 over rect, the source's top-left at rect's.
    static void BlendOver(Bitmap& bitmap, const TRect& rect, const Bitmap& source, int alpha);
};
