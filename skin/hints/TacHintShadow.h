// The soft shadow of a drawn hint: grey levels of nested, shrinking copies of its shape that
// darken what lies under them (c := c * g div 256).
#pragma once

#include "skin/hints/TacHintShape.h"
#include "skin/hints/TsHintKind.h"

#include "platform/gfx/Bitmap.h"

class TacHintShadow {
public:
    // The shadow's transparency in percent: the hint's own transparency lightens it.
    static int Transparency(const TsHintKind& kind);
    // The grey level of the shadow's darkest part: T * scale div 100 (255, or 256 for the balloon).
    static int Darkest(const TsHintKind& kind, int scale = 255);

    // The shape moved right and down by offset, drawn blur + 1 times shrinking by a pixel a step,
    // from the lightest outside to the darkest level inside.
    static void PaintShaped(Bitmap& work, const TacHintShape& shape, int offset, int blur, int darkest);
    // Nested rectangles from (offset, offset) to the bitmap's lower right corner, white outside and
    // darker by (255 - darkest) / (n + 1) toward the inside.
    static void PaintRectangle(Bitmap& work, int offset, int blur, int darkest);

    // c := c * g div 256 per channel where grey does not hold the marker.
    static void DarkenUnder(Bitmap& work, const Bitmap& grey);

    static constexpr TColor kUntouched = 0xFF00FF; // not a grey level: no shadow there
};
