// Glyph recipes: check and radio marks, arrows, title-bar buttons, slider thumbs, ticks, grips.
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

// A tick inside the square (x, y, s, s).
void TickPath(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x + s * 0.18, y + s * 0.52);
    cairo_line_to(cr, x + s * 0.42, y + s * 0.76);
    cairo_line_to(cr, x + s * 0.84, y + s * 0.24);
}

// The face of a box or a round mark, light at the top.
void Face(cairo_t* cr, const RecipeParams& p, int state, double x, double y, double w, double h, double radius) {
    CairoPen::RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
    if (auto fill = p.Colour("fill", state)) CairoPen::FillVertical(cr, y, y + h, *fill, p.Colour("fill2", state));
    if (auto line = p.Colour("line", state)) {
        CairoPen::SetColour(cr, *line);
        cairo_set_line_width(cr, 1);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
    if (auto light = p.Colour("light", state)) {
        CairoPen::RoundedRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, std::max(0.0, radius - 1));
        CairoPen::StrokeFading(cr, y, y + h, *light, true, 1);
        cairo_new_path(cr);
    }
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
        TickPath(cr, x + 1, y + 1, size - 2);
        StrokeInk(cr, *ink, std::max(1.6, size / 7));
    } else if (mark == "dot") {
        cairo_arc(cr, x + c, y + c, size * 0.2, 0, 2 * M_PI);
        CairoPen::SetColour(cr, *ink);
        cairo_fill(cr);
    } else if (mark == "square") {
        double s = std::round(size * 0.5);
        CairoPen::RoundedRect(cr, x + std::round((size - s) / 2), y + std::round((size - s) / 2), s, s, 1);
        CairoPen::SetColour(cr, *ink);
        cairo_fill(cr);
    }
}

void Tick(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::optional<Rgba> ink = p.Colour("ink", state);
    if (!ink) return;
    double size = std::min(w, h);
    TickPath(cr, (w - size) / 2, (h - size) / 2, size);
    StrokeInk(cr, *ink, p.Number("weight", 1.8));
}

// A filled triangle pointing "direction", "size" pixels across, centred.
void ArrowAt(cairo_t* cr, const std::string& direction, double cx, double cy, double size) {
    double a = size / 2, b = size / 4;
    if (direction == "down") { cairo_move_to(cr, cx - a, cy - b); cairo_line_to(cr, cx + a, cy - b); cairo_line_to(cr, cx, cy + b + 0.5); }
    if (direction == "up") { cairo_move_to(cr, cx - a, cy + b); cairo_line_to(cr, cx + a, cy + b); cairo_line_to(cr, cx, cy - b - 0.5); }
    if (direction == "right") { cairo_move_to(cr, cx - b, cy - a); cairo_line_to(cr, cx - b, cy + a); cairo_line_to(cr, cx + b + 0.5, cy); }
    if (direction == "left") { cairo_move_to(cr, cx + b, cy - a); cairo_line_to(cr, cx + b, cy + a); cairo_line_to(cr, cx - b - 0.5, cy); }
    cairo_close_path(cr);
}

void Arrow(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::optional<Rgba> ink = p.Colour("ink", state);
    if (!ink) return;
    ArrowAt(cr, p.Text("direction", "down"), w / 2, h / 2, p.Number("arrow", 7));
    CairoPen::SetColour(cr, *ink);
    cairo_fill(cr);
}

// The symbol of a title-bar button in a square of "glyph" pixels, centred.
void TitleGlyph(cairo_t* cr, const std::string& glyph, double cx, double cy, double s, const Rgba& ink, double weight) {
    double a = s / 2;
    if (glyph == "close") {
        cairo_move_to(cr, cx - a, cy - a); cairo_line_to(cr, cx + a, cy + a);
        cairo_move_to(cr, cx + a, cy - a); cairo_line_to(cr, cx - a, cy + a);
    } else if (glyph == "min") {
        cairo_move_to(cr, cx - a, cy + a - weight / 2); cairo_line_to(cr, cx + a, cy + a - weight / 2);
    } else if (glyph == "max") {
        cairo_rectangle(cr, cx - a, cy - a, s, s);
        cairo_move_to(cr, cx - a, cy - a + weight); cairo_line_to(cr, cx + a, cy - a + weight);
    } else if (glyph == "norm") {
        double b = s * 0.7;
        cairo_rectangle(cr, cx - a + s - b, cy - a, b, b);
        cairo_rectangle(cr, cx - a, cy - a + s - b, b, b);
    } else if (glyph == "help") {
        cairo_arc(cr, cx, cy - a * 0.35, a * 0.55, M_PI, 2.3 * M_PI);
        cairo_line_to(cr, cx, cy + a * 0.35);
        cairo_move_to(cr, cx, cy + a * 0.95);
        cairo_line_to(cr, cx, cy + a);
    }
    cairo_set_line_cap(cr, glyph == "close" || glyph == "help" ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_SQUARE);
    CairoPen::SetColour(cr, ink);
    cairo_set_line_width(cr, weight);
    cairo_stroke(cr);
}

// shape = square | circle; "glyph" names the symbol drawn with "ink".
void TitleButton(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    bool circle = p.Text("shape", "square") == "circle";
    double size = p.Number("face", std::min(w, h));
    double x = std::round((w - size) / 2), y = std::round((h - size) / 2);
    if (circle) {
        double m = std::min(w, h);
        size = std::min(size, m);
    }
    Face(cr, p, state, x, y, size, size, circle ? size / 2 : p.Number("radius", 3));
    if (auto ink = p.Colour("ink", state)) {
        double s = p.Number("glyphsize", std::round(size * 0.42));
        double cx = x + size / 2, cy = y + size / 2;
        if (static_cast<int>(s) % 2 == 1) { cx = std::floor(cx) + 0.5; cy = std::floor(cy) + 0.5; }
        TitleGlyph(cr, p.Text("glyph", "none"), cx, cy, s, *ink, p.Number("weight", 1.6));
    }
}

// A slider thumb: a rounded body with a point toward the ticks ("direction" down or right).
void Thumb(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    bool right = p.Text("direction", "down") == "right";
    if (right) {
        cairo_translate(cr, w, 0);
        cairo_rotate(cr, M_PI / 2);
        std::swap(w, h);
    }
    double r = p.Number("radius", 2), point = std::floor(w / 2);
    double x = 0.5, y = 0.5, bw = w - 1, bh = h - 1 - point;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_arc(cr, x + bw - r, y + r, r, 1.5 * M_PI, 2 * M_PI);
    cairo_line_to(cr, x + bw, y + bh);
    cairo_line_to(cr, x + bw / 2, y + bh + point);
    cairo_line_to(cr, x, y + bh);
    cairo_close_path(cr);
    if (auto fill = p.Colour("fill", state)) CairoPen::FillVertical(cr, 0, h, *fill, p.Colour("fill2", state));
    if (auto line = p.Colour("line", state)) {
        CairoPen::SetColour(cr, *line);
        cairo_set_line_width(cr, 1);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
    if (auto light = p.Colour("light", state)) {
        cairo_move_to(cr, 1.5, bh * 0.8);
        cairo_line_to(cr, 1.5, 1.5);
        cairo_line_to(cr, bw - 0.5, 1.5);
        StrokeInk(cr, *light, 1);
    }
}

// A short line across the cell: a tick mark of a track bar.
void TickMark(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::optional<Rgba> ink = p.Colour("ink", state);
    if (!ink) return;
    bool vertical = p.Text("direction", "horizontal") == "vertical";
    cairo_rectangle(cr, vertical ? 0 : std::floor(w / 2), vertical ? std::floor(h / 2) : 0, vertical ? w : 1, vertical ? 1 : h);
    CairoPen::SetColour(cr, *ink);
    cairo_fill(cr);
}

// Raised dots in a triangle at the bottom right: the size grip.
void Grip(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    Rgba ink = p.ColourOr("ink", state, Rgba{0.4, 0.4, 0.4, 1});
    std::optional<Rgba> light = p.Colour("light", state);
    for (int row = 0; row < 3; ++row) {
        for (int col = 2 - row; col < 3; ++col) {
            double x = w - 4 - (2 - col) * 4, y = h - 4 - (2 - row) * 4;
            if (light) { cairo_rectangle(cr, x + 1, y + 1, 2, 2); CairoPen::SetColour(cr, *light); cairo_fill(cr); }
            cairo_rectangle(cr, x, y, 2, 2);
            CairoPen::SetColour(cr, ink);
            cairo_fill(cr);
        }
    }
}

// Three short ridges across the middle: the grip of a scroll thumb ("direction" of the ridges).
void Ridges(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::optional<Rgba> ink = p.Colour("ink", state), light = p.Colour("light", state);
    bool vertical = p.Text("direction", "horizontal") == "vertical";
    for (int i = -1; i <= 1; ++i) {
        auto ridge = [&](const Rgba& c, double shift) {
            if (vertical) { cairo_move_to(cr, std::floor(w / 2) + i * 3 + 0.5 + shift, h * 0.3); cairo_line_to(cr, std::floor(w / 2) + i * 3 + 0.5 + shift, h * 0.7); }
            else { cairo_move_to(cr, w * 0.3, std::floor(h / 2) + i * 3 + 0.5 + shift); cairo_line_to(cr, w * 0.7, std::floor(h / 2) + i * 3 + 0.5 + shift); }
            CairoPen::SetColour(cr, c);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        };
        if (light) ridge(*light, 1);
        if (ink) ridge(*ink, 0);
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
