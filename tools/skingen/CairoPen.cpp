// Cairo paths and paints used by the recipes.
#include "tools/skingen/CairoPen.h"

#include <algorithm>
#include <cmath>

void CairoPen::RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    double r = std::clamp(radius, 0.0, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    if (r <= 0) {
        cairo_rectangle(cr, x, y, w, h);
        return;
    }
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void CairoPen::SetColour(cairo_t* cr, const Rgba& colour) {
    cairo_set_source_rgba(cr, colour.R, colour.G, colour.B, colour.A);
}

void CairoPen::FillVertical(cairo_t* cr, double top, double bottom, const Rgba& from, const std::optional<Rgba>& to) {
    if (!to) {
        SetColour(cr, from);
        cairo_fill_preserve(cr);
        return;
    }
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgba(gradient, 0, from.R, from.G, from.B, from.A);
    cairo_pattern_add_color_stop_rgba(gradient, 1, to->R, to->G, to->B, to->A);
    cairo_set_source(cr, gradient);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gradient);
}

void CairoPen::StrokeFading(cairo_t* cr, double top, double bottom, const Rgba& colour, bool fromTop, double lineWidth) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgba(gradient, fromTop ? 0 : 1, colour.R, colour.G, colour.B, colour.A);
    cairo_pattern_add_color_stop_rgba(gradient, 0.55, colour.R, colour.G, colour.B, colour.A * 0.25);
    cairo_pattern_add_color_stop_rgba(gradient, fromTop ? 1 : 0, colour.R, colour.G, colour.B, 0);
    cairo_set_source(cr, gradient);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke_preserve(cr);
    cairo_pattern_destroy(gradient);
}
