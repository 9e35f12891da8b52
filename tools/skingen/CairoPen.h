// Small cairo helpers shared by the recipes: paths, colours and gradients.
#pragma once

#include "tools/skingen/Rgba.h"

#include <cairo.h>

#include <optional>

class CairoPen {
public:
    // A rectangle with rounded corners; radius 0 gives square corners.
    static void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
    static void SetColour(cairo_t* cr, const Rgba& colour);
    // Fills the current path with a top-to-bottom gradient (a plain colour when bottom is empty),
    // keeping the path.
    static void FillVertical(cairo_t* cr, double top, double bottom, const Rgba& from, const std::optional<Rgba>& to);
    // Strokes the current path with a colour fading out toward the bottom (fromTop) or the top.
    static void StrokeFading(cairo_t* cr, double top, double bottom, const Rgba& colour, bool fromTop, double lineWidth);
};
