// Gradient fills in device coordinates: rectangles row by row or column by column, and triangles.
#pragma once

#include "platform/gfx/ShapeRasterizer.h"
#include "platform/gfx/SpanTarget.h"

class GradientPainter {
public:
    // c1 on the first row (column), c2 on the last, linear in between and rounded; RGB colours.
    static void Rect(const SpanTarget& target, const TRect& rect, TColor c1, TColor c2, bool vertical);
    // Each pixel centre takes the barycentric mix of the three corner colours.
    static void Triangle(const SpanTarget& target, const TPointF (&corner)[3], const TColor (&color)[3]);
};
