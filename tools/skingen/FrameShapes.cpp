// Frame recipes: raised and sunken rounded frames, tabs and etched lines. Light comes from the
// top left: raised faces are lighter at the top, sunken ones are shaded at the top.
#include "tools/skingen/CairoPen.h"
#include "tools/skingen/ShapeRegistry.h"

#include <cmath>

namespace {

struct FrameLook {
    double Radius, Inset, Line;
    std::optional<Rgba> Fill, Fill2, Outline, Light, Shade;
};

FrameLook ReadLook(const RecipeParams& p, int state) {
    return {p.Number("radius", 3), p.Number("inset", 0), p.Number("width", 1), p.Colour("fill", state),
            p.Colour("fill2", state), p.Colour("line", state), p.Colour("light", state), p.Colour("shade", state)};
}

// The frame in a box of w x h at (x, y); lines sit on half pixels so they stay crisp.
void PaintFrame(cairo_t* cr, const FrameLook& look, double x, double y, double w, double h, bool sunken) {
    double half = look.Line / 2;
    double ox = x + look.Inset + half, oy = y + look.Inset + half;
    double ow = w - 2 * look.Inset - look.Line, oh = h - 2 * look.Inset - look.Line;
    CairoPen::RoundedRect(cr, ox, oy, ow, oh, look.Radius);
    if (look.Fill) CairoPen::FillVertical(cr, oy, oy + oh, *look.Fill, look.Fill2);
    cairo_new_path(cr);
    double in = look.Line;
    CairoPen::RoundedRect(cr, ox + in, oy + in, ow - 2 * in, oh - 2 * in, std::max(0.0, look.Radius - in));
    if (look.Light) CairoPen::StrokeFading(cr, oy, oy + oh, *look.Light, !sunken, 1);
    if (look.Shade) CairoPen::StrokeFading(cr, oy, oy + oh, *look.Shade, sunken, 1);
    cairo_new_path(cr);
    if (look.Outline) {
        CairoPen::RoundedRect(cr, ox, oy, ow, oh, look.Radius);
        CairoPen::SetColour(cr, *look.Outline);
        cairo_set_line_width(cr, look.Line);
        cairo_stroke(cr);
    }
}

void Raised(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    PaintFrame(cr, ReadLook(p, state), 0, 0, w, h, false);
}

void Sunken(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    PaintFrame(cr, ReadLook(p, state), 0, 0, w, h, true);
}

// A tab: rounded on its outer side, open toward the page. "side" names the outer side.
void Tab(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::string side = p.Text("side", "top");
    FrameLook look = ReadLook(p, state);
    double extra = look.Radius + look.Line + 2;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    if (side == "top") PaintFrame(cr, look, 0, 0, w, h + extra, false);
    if (side == "bottom") {
        cairo_translate(cr, 0, h);
        cairo_scale(cr, 1, -1);
        PaintFrame(cr, look, 0, 0, w, h + extra, false);
    }
    if (side == "left" || side == "right") {
        // Drawn as a top tab turned on its side, so the outer side keeps the rounded corners.
        cairo_translate(cr, side == "left" ? 0 : w, side == "left" ? h : 0);
        cairo_rotate(cr, side == "left" ? -M_PI / 2 : M_PI / 2);
        PaintFrame(cr, look, 0, 0, h, w + extra, false);
    }
    cairo_restore(cr);
}

// An etched line across the middle: a dark line with a light one below (or right of) it.
void Etched(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    bool vertical = p.Text("direction", "horizontal") == "vertical";
    std::optional<Rgba> dark = p.Colour("line", state), light = p.Colour("light", state);
    auto stroke = [&](const Rgba& colour, double offset) {
        CairoPen::SetColour(cr, colour);
        cairo_set_line_width(cr, 1);
        if (vertical) {
            double x = std::floor(w / 2) - 0.5 + offset;
            cairo_move_to(cr, x, 0);
            cairo_line_to(cr, x, h);
        } else {
            double y = std::floor(h / 2) - 0.5 + offset;
            cairo_move_to(cr, 0, y);
            cairo_line_to(cr, w, y);
        }
        cairo_stroke(cr);
    };
    if (dark) stroke(*dark, 0);
    if (light) stroke(*light, 1);
}

// A plain area of one colour (or a gradient), for pattern tiles and fills.
void Block(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    CairoPen::FillVertical(cr, 0, h, p.ColourOr("fill", state, Rgba{}), p.Colour("fill2", state));
    cairo_new_path(cr);
}

} // namespace

void AddFrameShapes(ShapeRegistry& registry) {
    registry.Add("raised", Raised);
    registry.Add("sunken", Sunken);
    registry.Add("tab", Tab);
    registry.Add("etched", Etched);
    registry.Add("block", Block);
}
