// Glyph recipes: check and radio marks, arrows, title-bar buttons, slider thumbs, ticks, grips.
// Glyphs are drawn whole, never tiled, so they may shade freely; their straight strokes sit on
// whole pixels so they stay crisp at their small sizes.
#include "tools/skingen/CairoPen.h"
#include "tools/skingen/ShapeRegistry.h"

#include <cmath>

namespace {

void StrokeInk(cairo_t* cr, const Rgba& ink, double width) {
    CairoPen::SetColour(cr, ink);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, const Rgba& ink) {
    cairo_rectangle(cr, x, y, w, h);
    CairoPen::SetColour(cr, ink);
    cairo_fill(cr);
}

// A tick inside the square (x, y, s, s).
void TickPath(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x + s * 0.16, y + s * 0.52);
    cairo_line_to(cr, x + s * 0.40, y + s * 0.76);
    cairo_line_to(cr, x + s * 0.86, y + s * 0.22);
}

// The outline with its colour turning toward "linebottom" down the face.
void StrokeOutline(cairo_t* cr, const RecipeParams& p, int state, double y, double h) {
    std::optional<Rgba> line = p.Colour("line", state);
    if (!line) {
        cairo_new_path(cr);
        return;
    }
    std::optional<Rgba> bottom = p.Colour("linebottom", state);
    cairo_pattern_t* colours = cairo_pattern_create_linear(0, y, 0, y + h);
    Rgba end = bottom.value_or(*line);
    cairo_pattern_add_color_stop_rgba(colours, 0.3, line->R, line->G, line->B, line->A);
    cairo_pattern_add_color_stop_rgba(colours, 1, end.R, end.G, end.B, end.A);
    cairo_set_source(cr, colours);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_pattern_destroy(colours);
}

// The face of a box or a round mark: a gradient, a highlight inside its top, the outline.
void Face(cairo_t* cr, const RecipeParams& p, int state, double x, double y, double w, double h, double radius) {
    CairoPen::RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
    if (auto fill = p.Colour("fill", state)) CairoPen::FillVertical(cr, y, y + h, *fill, p.Colour("fill2", state));
    cairo_new_path(cr);
    if (auto light = p.Colour("light", state)) {
        CairoPen::RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, std::max(0.0, radius - 1));
        CairoPen::StrokeFading(cr, y, y + h, *light, true, 1);
        cairo_new_path(cr);
    }
    CairoPen::RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
    StrokeOutline(cr, p, state, y, h);
}

// "mark" = tick | square | dot | none; round boxes (radio) take radius = half their size.
void CheckBox(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    double size = std::min(w, h);
    double x = std::floor((w - size) / 2), y = std::floor((h - size) / 2);
    double radius = p.Text("kind", "box") == "radio" ? size / 2 : p.Number("radius", 2);
    Face(cr, p, state, x, y, size, size, radius);
    std::optional<Rgba> ink = p.Colour("ink", state);
    std::string mark = p.Text("mark", "none");
    if (!ink || mark == "none") return;
    double c = size / 2;
    if (mark == "tick") {
        TickPath(cr, x + 1.5, y + 1.5, size - 3);
        StrokeInk(cr, *ink, p.Number("weight", std::max(1.6, size / 6.5)));
    } else if (mark == "dot") {
        cairo_arc(cr, x + c, y + c, size * p.Number("dot", 0.22), 0, 2 * M_PI);
        CairoPen::FillVertical(cr, y + c - size * 0.22, y + c + size * 0.22, *ink, p.Colour("ink2", state));
        cairo_new_path(cr);
    } else if (mark == "square") {
        double s = std::round(size * 0.46);
        FillRect(cr, x + std::round((size - s) / 2), y + std::round((size - s) / 2), s, s, *ink);
    }
}

void Tick(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::optional<Rgba> ink = p.Colour("ink", state);
    if (!ink) return;
    double size = std::min(w, h);
    TickPath(cr, (w - size) / 2, (h - size) / 2, size);
    StrokeInk(cr, *ink, p.Number("weight", 1.8));
}

// A triangle of whole pixel rows pointing "direction", "arrow" pixels across at its base.
void Arrow(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::optional<Rgba> ink = p.Colour("ink", state);
    if (!ink) return;
    std::string direction = p.Text("direction", "down");
    int base = static_cast<int>(p.Number("arrow", 7)), rows = (base + 1) / 2;
    bool across = direction == "left" || direction == "right";
    double along0 = std::floor(((across ? w : h) - rows) / 2), side0 = std::floor(((across ? h : w) - base) / 2);
    for (int i = 0; i < rows; ++i) {
        bool fromBase = direction == "down" || direction == "right";
        double along = along0 + (fromBase ? i : rows - 1 - i);
        double side = side0 + i, length = base - 2 * i;
        if (across) FillRect(cr, along, side, 1, length, *ink);
        else FillRect(cr, side, along, length, 1, *ink);
    }
}

// The symbol of a title-bar button in a square of s pixels at (x, y), whole pixels.
void TitleGlyph(cairo_t* cr, const std::string& glyph, double x, double y, double s, const Rgba& ink, double weight) {
    if (glyph == "close") {
        cairo_move_to(cr, x + 0.5, y + 0.5);
        cairo_line_to(cr, x + s - 0.5, y + s - 0.5);
        cairo_move_to(cr, x + s - 0.5, y + 0.5);
        cairo_line_to(cr, x + 0.5, y + s - 0.5);
        StrokeInk(cr, ink, weight);
    } else if (glyph == "min") {
        FillRect(cr, x, y + s - 2, s, 2, ink);
    } else if (glyph == "max") {
        cairo_rectangle(cr, x, y, s, s);
        cairo_rectangle(cr, x + 1, y + 2, s - 2, s - 3);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        CairoPen::SetColour(cr, ink);
        cairo_fill(cr);
    } else if (glyph == "norm") {
        double b = s - 2;
        FillRect(cr, x + 2, y, b, 2, ink);
        FillRect(cr, x + s - 1, y, 1, b, ink);
        cairo_rectangle(cr, x, y + 2, b, b);
        cairo_rectangle(cr, x + 1, y + 4, b - 2, b - 3);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        CairoPen::SetColour(cr, ink);
        cairo_fill(cr);
    } else if (glyph == "help") {
        double c = x + s / 2;
        cairo_arc(cr, c, y + s * 0.32, s * 0.3, M_PI * 1.1, M_PI * 2.35);
        cairo_line_to(cr, c, y + s * 0.72);
        StrokeInk(cr, ink, weight);
        FillRect(cr, std::floor(c - 0.5), y + s - 1, 1.5, 1.5, ink);
    }
}

// shape = square | circle; a face of "face" pixels centred; "glyph" drawn with "ink".
void TitleButton(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    bool circle = p.Text("shape", "square") == "circle";
    double fw = std::min(w, p.Number("face", w)), fh = std::min(h, p.Number("faceheight", circle ? fw : h));
    if (circle) fw = fh = std::min(fw, fh);
    double x = std::floor((w - fw) / 2), y = std::floor((h - fh) / 2);
    Face(cr, p, state, x, y, fw, fh, circle ? fw / 2 : p.Number("radius", 3));
    if (auto ink = p.Colour("ink", state)) {
        double s = p.Number("glyphsize", 7);
        TitleGlyph(cr, p.Text("glyph", "none"), std::floor((w - s) / 2), std::floor((h - s) / 2) + p.Number("glyphshift", 0),
                   s, *ink, p.Number("weight", 1.5));
    }
}

// A slider thumb: a body with a point toward the ticks ("direction" down or right), w x h.
void Thumb(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    if (p.Text("direction", "down") == "right") {
        cairo_translate(cr, w, 0);
        cairo_rotate(cr, M_PI / 2);
        std::swap(w, h);
    }
    double point = std::ceil(w / 2), body = h - point, r = p.Number("radius", 1.5);
    auto outline = [&] {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0.5 + r, 0.5 + r, r, M_PI, 1.5 * M_PI);
        cairo_arc(cr, w - 0.5 - r, 0.5 + r, r, 1.5 * M_PI, 2 * M_PI);
        cairo_line_to(cr, w - 0.5, body);
        cairo_line_to(cr, w / 2, h - 0.5);
        cairo_line_to(cr, 0.5, body);
        cairo_close_path(cr);
    };
    outline();
    if (auto fill = p.Colour("fill", state)) CairoPen::FillVertical(cr, 0, h, *fill, p.Colour("fill2", state));
    cairo_new_path(cr);
    if (auto light = p.Colour("light", state)) {
        cairo_move_to(cr, 1.5, body - 1);
        cairo_line_to(cr, 1.5, 1.5);
        cairo_line_to(cr, w - 1.5, 1.5);
        CairoPen::SetColour(cr, *light);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    if (auto grip = p.Colour("ink", state)) FillRect(cr, std::floor(w / 2), 3, 1, body - 5, *grip);
    outline();
    StrokeOutline(cr, p, state, 0, h);
}

// A short line across the cell: a tick mark of a track bar.
void TickMark(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::optional<Rgba> ink = p.Colour("ink", state);
    if (!ink) return;
    bool vertical = p.Text("direction", "horizontal") == "vertical";
    FillRect(cr, vertical ? 0 : std::floor(w / 2), vertical ? std::floor(h / 2) : 0, vertical ? w : 1, vertical ? 1 : h, *ink);
}

// Raised dots in a triangle at the bottom right: the size grip.
void Grip(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    Rgba ink = p.ColourOr("ink", state, Rgba{0.4, 0.4, 0.4, 1});
    std::optional<Rgba> light = p.Colour("light", state);
    for (int row = 0; row < 3; ++row) {
        for (int col = 2 - row; col < 3; ++col) {
            double x = w - 4 - (2 - col) * 4, y = h - 4 - (2 - row) * 4;
            if (light) FillRect(cr, x + 1, y + 1, 2, 2, *light);
            FillRect(cr, x, y, 2, 2, ink);
        }
    }
}

// Three short ridges across the middle: the grip of a scroll thumb ("direction" of the ridges).
void Ridges(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::optional<Rgba> ink = p.Colour("ink", state), light = p.Colour("light", state);
    bool vertical = p.Text("direction", "horizontal") == "vertical";
    for (int i = -1; i <= 1; ++i) {
        double at = std::floor((vertical ? w : h) / 2) + i * 3 - 1;
        double from = std::round((vertical ? h : w) * 0.25), length = (vertical ? h : w) - 2 * from;
        if (light) vertical ? FillRect(cr, at + 1, from, 1, length, *light) : FillRect(cr, from, at + 1, length, 1, *light);
        if (ink) vertical ? FillRect(cr, at, from, 1, length, *ink) : FillRect(cr, from, at, length, 1, *ink);
    }
}

} // namespace

void AddGlyphShapes(ShapeRegistry& registry) {
    registry.Add("checkbox", CheckBox);
    registry.Add("tick", Tick);
    registry.Add("arrow", Arrow);
    registry.Add("titlebutton", TitleButton);
    registry.Add("thumb", Thumb);
    registry.Add("tickmark", TickMark);
    registry.Add("grip", Grip);
    registry.Add("ridges", Ridges);
}
