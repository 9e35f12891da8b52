// Frame recipes: bevelled rounded frames, tabs and etched lines. Light comes from the top left.
// A frame is cut into nine pieces whose edges and centre are tiled, so every shading keeps to its
// band of the frame ("frame" = left, top, right, bottom widths): vertical changes only in the top
// and bottom rows, the sides the same all along, the centre one flat colour.
#include "tools/skingen/CairoPen.h"
#include "tools/skingen/ShapeRegistry.h"

#include "skin/data/SkinText.h"

#include <cmath>

namespace {

struct Bands {
    double Left, Top, Right, Bottom;
};

// The outline lies on the image's outer edge: the painting fills the whole element with its
// background before the pieces, so only the corners' key pixels can show what lies behind it.
struct BevelLook {
    double Radius, RingAt, RimWidth;
    std::optional<Rgba> Fill, Line, LineTop, LineBottom, Light, LightRing, Shade, ShadeBottom, Ring, Base, Rim;
};

// The outline's outer box in the image.
struct Box {
    double X, Y, W, H;
};

// The frame's piece widths, from the image's "frame"; a third of each side when it has none.
Bands ReadBands(const RecipeParams& p, double w, double h) {
    std::vector<std::string_view> parts = SplitWords(p.Text("frame", ""), ", ");
    int widths[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < 4 && parts.size() == 4; ++i) TryParseSkinInt(parts[i], widths[i]);
    if (widths[0] + widths[1] + widths[2] + widths[3] == 0) return {w / 3, h / 3, w / 3, h / 3};
    return {double(widths[0]), double(widths[1]), double(widths[2]), double(widths[3])};
}

BevelLook ReadBevel(const RecipeParams& p, int state) {
    return {p.Number("radius", 3), p.Number("ringat", 2), p.Number("rimwidth", 0), p.Colour("fill", state),
            p.Colour("line", state), p.Colour("linetop", state), p.Colour("linebottom", state),
            p.Colour("light", state), p.Colour("lightring", state), p.Colour("shade", state),
            p.Colour("shadebottom", state), p.Colour("ring", state), p.Colour("base", state), p.Colour("rim", state)};
}

// The k-th ring inside the outline (0 is the outline itself), on half pixels so it stays crisp.
void RingPath(cairo_t* cr, const Box& box, double radius, double k) {
    CairoPen::RoundedRect(cr, box.X + k + 0.5, box.Y + k + 0.5, box.W - 2 * k - 1, box.H - 2 * k - 1,
                          std::max(0.0, radius - k));
}

// Strokes a path with a colour that fades from full at y "from" to nothing at y "to", inside a
// clip of the rows between them.
void StrokeFaded(cairo_t* cr, const Rgba& colour, double from, double to, double width) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, std::min(from, to), width, std::abs(to - from));
    cairo_clip(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, from, 0, to);
    cairo_pattern_add_color_stop_rgba(fade, 0, colour.R, colour.G, colour.B, colour.A);
    cairo_pattern_add_color_stop_rgba(fade, 1, colour.R, colour.G, colour.B, 0);
    cairo_set_source(cr, fade);
    cairo_set_line_width(cr, 1);
    cairo_stroke_preserve(cr);
    cairo_pattern_destroy(fade);
    cairo_restore(cr);
}

void StrokePlain(cairo_t* cr, const Rgba& colour) {
    CairoPen::SetColour(cr, colour);
    cairo_set_line_width(cr, 1);
    cairo_stroke_preserve(cr);
}

// The outline: its top band may turn toward LineTop and its bottom band toward LineBottom.
void Outline(cairo_t* cr, const BevelLook& look, const Bands& bands, double h) {
    const Rgba& line = *look.Line;
    Rgba top = look.LineTop.value_or(line), bottom = look.LineBottom.value_or(line);
    cairo_pattern_t* colours = cairo_pattern_create_linear(0, 0, 0, h);
    auto stop = [&](double y, const Rgba& c) { cairo_pattern_add_color_stop_rgba(colours, y / h, c.R, c.G, c.B, c.A); };
    stop(0, top);
    stop(bands.Top, line);
    stop(h - bands.Bottom, line);
    stop(h, bottom);
    cairo_set_source(cr, colours);
    cairo_set_line_width(cr, 1);
    cairo_stroke_preserve(cr);
    cairo_pattern_destroy(colours);
}

void InnerShading(cairo_t* cr, const BevelLook& look, const Bands& bands, const Box& box, double w, double h) {
    if (look.LightRing) {
        RingPath(cr, box, look.Radius, 1);
        StrokePlain(cr, *look.LightRing);
        cairo_new_path(cr);
    }
    if (look.Light) {
        RingPath(cr, box, look.Radius, 1);
        StrokeFaded(cr, *look.Light, box.Y + 1, bands.Top, w);
        cairo_new_path(cr);
    }
    if (look.Shade) {
        RingPath(cr, box, look.Radius, 1);
        StrokeFaded(cr, *look.Shade, box.Y + 1, bands.Top, w);
        cairo_new_path(cr);
        RingPath(cr, box, look.Radius, 2);
        StrokeFaded(cr, look.Shade->WithAlpha(look.Shade->A * 0.45), box.Y + 2, bands.Top, w);
        cairo_new_path(cr);
    }
    if (look.Ring) {
        RingPath(cr, box, look.Radius, look.RingAt);
        StrokePlain(cr, *look.Ring);
        cairo_new_path(cr);
    }
    if (look.ShadeBottom) {
        RingPath(cr, box, look.Radius, 1);
        StrokeFaded(cr, *look.ShadeBottom, box.Y + box.H - 1, h - bands.Bottom, w);
        cairo_new_path(cr);
    }
}

void PaintBevel(cairo_t* cr, const BevelLook& look, const Bands& bands, const Box& box, double w, double h) {
    if (look.Fill) {
        RingPath(cr, box, look.Radius, 0);
        CairoPen::SetColour(cr, *look.Fill);
        cairo_fill(cr);
    }
    if (look.Rim) {
        CairoPen::RoundedRect(cr, box.X, box.Y, box.W, box.H, look.Radius);
        CairoPen::RoundedRect(cr, box.X + look.RimWidth, box.Y + look.RimWidth, box.W - 2 * look.RimWidth,
                              box.H - 2 * look.RimWidth, std::max(0.0, look.Radius - look.RimWidth));
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        CairoPen::SetColour(cr, *look.Rim);
        cairo_fill(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    }
    InnerShading(cr, look, bands, box, w, h);
    if (look.Line) {
        RingPath(cr, box, look.Radius, 0);
        Outline(cr, look, bands, h);
        cairo_new_path(cr);
    }
    if (look.Base) {
        cairo_rectangle(cr, 0, std::min(h, box.Y + box.H) - 1, w, 1);
        CairoPen::SetColour(cr, *look.Base);
        cairo_fill(cr);
    }
}

void Bevel(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    PaintBevel(cr, ReadBevel(p, state), ReadBands(p, w, h), {0, 0, w, h}, w, h);
}

// A tab: rounded on its outer side ("side"), open toward the page: drawn as a frame reaching
// past the image's inner edge, turned so its top faces the outer side.
void Tab(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::string side = p.Text("side", "top");
    BevelLook look = ReadBevel(p, state);
    Bands b = ReadBands(p, w, h);
    double extra = look.Radius + 4;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    double across = w, along = h;
    Bands turned = b;
    if (side == "bottom") {
        cairo_translate(cr, 0, h);
        cairo_scale(cr, 1, -1);
        turned = {b.Left, b.Bottom, b.Right, b.Top};
    } else if (side == "left" || side == "right") {
        cairo_translate(cr, side == "left" ? 0 : w, side == "left" ? h : 0);
        cairo_rotate(cr, side == "left" ? -M_PI / 2 : M_PI / 2);
        across = h;
        along = w;
        turned = side == "left" ? Bands{b.Bottom, b.Left, b.Top, b.Right} : Bands{b.Top, b.Right, b.Bottom, b.Left};
    }
    turned.Bottom = 0;
    Box box{0, 0, across, along + extra};
    PaintBevel(cr, look, turned, box, across, along);
    cairo_restore(cr);
}

// An etched line along the first two rows (or columns, "direction" = vertical): dark, then light.
void Etched(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    bool vertical = p.Text("direction", "horizontal") == "vertical";
    auto line = [&](const std::optional<Rgba>& colour, double at) {
        if (!colour) return;
        CairoPen::SetColour(cr, *colour);
        cairo_rectangle(cr, vertical ? at : 0, vertical ? 0 : at, vertical ? 1 : w, vertical ? h : 1);
        cairo_fill(cr);
    };
    line(p.Colour("line", state), 0);
    line(p.Colour("light", state), 1);
}

// A plain area of one colour (or a gradient), for pattern tiles and fills.
void Block(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    CairoPen::FillVertical(cr, 0, h, p.ColourOr("fill", state, Rgba{}), p.Colour("fill2", state));
    cairo_new_path(cr);
}

} // namespace

void AddFrameShapes(ShapeRegistry& registry) {
    registry.Add("bevel", Bevel);
    registry.Add("tab", Tab);
    registry.Add("etched", Etched);
    registry.Add("block", Block);
}
