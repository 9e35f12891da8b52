// Texture recipes: wood grain, sand and parchment speckle, ice, snow, and ornamental corners.
// Random detail comes from a fixed-seed generator, so every build draws the same pixels.
#include "tools/skingen/CairoPen.h"
#include "tools/skingen/ShapeRegistry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

class Dice {
public:
    explicit Dice(double seed) : FState(static_cast<std::uint32_t>(seed) * 2654435761u + 12345u) {}
    // Uniform in [0, 1).
    double Next() {
        FState ^= FState << 13;
        FState ^= FState >> 17;
        FState ^= FState << 5;
        return (FState & 0xFFFFFF) / 16777216.0;
    }

private:
    std::uint32_t FState;
};

void Background(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    CairoPen::FillVertical(cr, 0, h, p.ColourOr("fill", state, Rgba{0.8, 0.8, 0.8, 1}), p.Colour("fill2", state));
    cairo_new_path(cr);
}

// Long wavy grain lines running across; they wrap at the tile's edges so the tile repeats.
void Grain(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    Background(cr, p, state, w, h);
    Dice dice(p.Number("seed", 1));
    Rgba ink = p.ColourOr("ink", state, Rgba{0, 0, 0, 0.15});
    int lines = static_cast<int>(p.Number("lines", h / 3));
    for (int i = 0; i < lines; ++i) {
        double y0 = dice.Next() * h, amp = 0.6 + dice.Next() * 2.0, phase = dice.Next() * 2 * M_PI;
        double alpha = ink.A * (0.35 + dice.Next() * 0.65);
        for (double copy : {-h, 0.0, h}) {
            cairo_move_to(cr, 0, y0 + copy + amp * std::sin(phase));
            for (double x = 2; x <= w; x += 2) {
                cairo_line_to(cr, x, y0 + copy + amp * std::sin(phase + 2 * M_PI * x / w));
            }
            CairoPen::SetColour(cr, ink.WithAlpha(alpha));
            cairo_set_line_width(cr, 0.6 + dice.Next() * 0.9);
            cairo_stroke(cr);
        }
    }
}

// Small soft dots scattered evenly: sand, parchment, frost.
void Speckle(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    Background(cr, p, state, w, h);
    Dice dice(p.Number("seed", 2));
    Rgba ink = p.ColourOr("ink", state, Rgba{0, 0, 0, 0.1});
    std::optional<Rgba> ink2 = p.Colour("ink2", state);
    int count = static_cast<int>(w * h * p.Number("density", 0.05));
    for (int i = 0; i < count; ++i) {
        double x = dice.Next() * w, y = dice.Next() * h, r = 0.4 + dice.Next() * p.Number("dot", 1.0);
        const Rgba& c = (ink2 && dice.Next() < 0.5) ? *ink2 : ink;
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        CairoPen::SetColour(cr, c.WithAlpha(c.A * (0.4 + dice.Next() * 0.6)));
        cairo_fill(cr);
    }
}

// A six-armed snow or ice crystal.
void Crystal(cairo_t* cr, double x, double y, double r, const Rgba& ink, double width) {
    for (int arm = 0; arm < 6; ++arm) {
        double a = arm * M_PI / 3;
        double ex = x + r * std::cos(a), ey = y + r * std::sin(a);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, ex, ey);
        double bx = x + r * 0.6 * std::cos(a), by = y + r * 0.6 * std::sin(a);
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, bx, by);
            cairo_line_to(cr, bx + r * 0.3 * std::cos(a + side * 0.8), by + r * 0.3 * std::sin(a + side * 0.8));
        }
    }
    CairoPen::SetColour(cr, ink);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// Crystals of several sizes over a gradient; "sharp" lines for ice, soft ones for snow.
void Crystals(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    Background(cr, p, state, w, h);
    Dice dice(p.Number("seed", 3));
    Rgba ink = p.ColourOr("ink", state, Rgba{1, 1, 1, 0.5});
    int count = static_cast<int>(p.Number("count", 12));
    double size = p.Number("crystal", 10);
    for (int i = 0; i < count; ++i) {
        double x = dice.Next() * w, y = dice.Next() * h, r = size * (0.35 + dice.Next() * 0.65);
        Crystal(cr, x, y, r, ink.WithAlpha(ink.A * (0.4 + dice.Next() * 0.6)), p.Number("weight", 1));
    }
}

// The stroked lines of a filigree corner for the top left: rails "e" pixels in from both edges,
// each ending in a curl that turns back toward the corner. They keep within about twice the
// inset of the edges, the gap a board leaves around its cells.
void FiligreeLines(cairo_t* cr, double w, double h, double e) {
    const double curl = 2.2;
    cairo_move_to(cr, e + 3, e);
    cairo_line_to(cr, w - 2 - curl, e);
    cairo_arc(cr, w - 2 - curl, e + curl, curl, -0.5 * M_PI, 0.9 * M_PI);
    cairo_move_to(cr, e, e + 3);
    cairo_line_to(cr, e, h - 2 - curl);
    cairo_arc_negative(cr, e + curl, h - 2 - curl, curl, M_PI, -0.4 * M_PI);
}

// A leaf on a rail at "along" pixels from the corner, pointing away from it.
void Leaf(cairo_t* cr, double along, double e, bool top) {
    auto to = [&](double a, double across) { return top ? std::pair{a, e + across} : std::pair{e + across, a}; };
    auto [x0, y0] = to(along - 3.5, 0);
    auto [x1, y1] = to(along - 1, -2.6);
    auto [x2, y2] = to(along + 1.5, -1.2);
    auto [x3, y3] = to(along + 3, 0);
    auto [x4, y4] = to(along + 1.5, 1.2);
    auto [x5, y5] = to(along - 1, 2.6);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
    cairo_curve_to(cr, x4, y4, x5, y5, x0, y0);
    cairo_close_path(cr);
}

// The filled parts: a lozenge at the corner where the rails meet, a leaf on each rail and a
// bead at the end of each curl.
void FiligreeFills(cairo_t* cr, double w, double h, double e) {
    const double d = 3.6;
    cairo_move_to(cr, e, e - d);
    cairo_line_to(cr, e + d, e);
    cairo_line_to(cr, e, e + d);
    cairo_line_to(cr, e - d, e);
    cairo_close_path(cr);
    const double at = std::min(w, h) * 0.55;
    Leaf(cr, at, e, true);
    Leaf(cr, at, e, false);
    for (auto [x, y] : {std::pair{w - 2 - 2.2 * 2, e + 2.2 * 1.2}, std::pair{e + 2.2 * 1.2, h - 2 - 2.2 * 2}}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, 0.9, 0, 2 * M_PI);
    }
}

// A filigree corner in gold ("ink" at the top to "ink2" at the bottom) over a dark shadow
// ("line"), the lozenge pierced in the shadow's colour; "corner" = tl | tr | bl | br mirrors it.
void Ornament(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::string corner = p.Text("corner", "tl");
    if (corner[1] == 'r') { cairo_translate(cr, w, 0); cairo_scale(cr, -1, 1); }
    if (corner[0] == 'b') { cairo_translate(cr, 0, h); cairo_scale(cr, 1, -1); }
    Rgba ink = p.ColourOr("ink", state, Rgba{0.85, 0.65, 0.2, 1});
    Rgba ink2 = p.ColourOr("ink2", state, ink);
    Rgba dark = p.ColourOr("line", state, Rgba{0.2, 0.12, 0.04, 1});
    double weight = p.Number("weight", 1.2), inset = p.Number("inset", 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, 0, w, h);
    cairo_pattern_add_color_stop_rgba(gold, 0, ink.R, ink.G, ink.B, ink.A);
    cairo_pattern_add_color_stop_rgba(gold, 1, ink2.R, ink2.G, ink2.B, ink2.A);
    auto layer = [&](double shift, double width, bool shadow) {
        cairo_save(cr);
        cairo_translate(cr, shift, shift);
        if (shadow) CairoPen::SetColour(cr, dark);
        else cairo_set_source(cr, gold);
        FiligreeLines(cr, w, h, inset);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
        FiligreeFills(cr, w, h, inset);
        if (shadow) {
            cairo_set_line_width(cr, 1.2);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
        cairo_restore(cr);
    };
    layer(0.7, weight + 0.9, true);
    layer(0, weight, false);
    cairo_pattern_destroy(gold);
    cairo_new_sub_path(cr);
    cairo_arc(cr, inset, inset, 1.1, 0, 2 * M_PI);
    CairoPen::SetColour(cr, dark);
    cairo_fill(cr);
}

// A drift of snow: deep at the corner, thinning to a crust at the far end.
void DriftPath(cairo_t* cr, double w, double h) {
    cairo_move_to(cr, 0.5, 0.5);
    cairo_line_to(cr, w, 0.5);
    cairo_line_to(cr, w, 1.5);
    cairo_curve_to(cr, w * 0.85, 1.8, w * 0.72, h * 0.2, w * 0.6, h * 0.38);
    cairo_curve_to(cr, w * 0.5, h * 0.55, w * 0.48, h - 0.5, w * 0.33, h - 0.5);
    cairo_line_to(cr, 0.5, h - 0.5);
    cairo_close_path(cr);
}

// A cap of snow on the title's top corner ("corner" = tl | tr) with a soft shadow under it,
// kept inside the window's rounded corner ("radius").
void SnowCap(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    if (p.Text("corner", "tl") == "tr") { cairo_translate(cr, w, 0); cairo_scale(cr, -1, 1); }
    Rgba snow = p.ColourOr("fill", state, Rgba{1, 1, 1, 1});
    Rgba shade = p.ColourOr("line", state, Rgba{0.6, 0.7, 0.85, 1});
    double radius = p.Number("radius", 0);
    CairoPen::RoundedRect(cr, 0, 0, w + radius, h + radius, radius);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, 0.5, 1.2);
    DriftPath(cr, w, h);
    CairoPen::SetColour(cr, Rgba{shade.R, shade.G, shade.B, shade.A * 0.45});
    cairo_fill(cr);
    cairo_restore(cr);
    DriftPath(cr, w, h);
    CairoPen::SetColour(cr, snow);
    cairo_fill_preserve(cr);
    CairoPen::SetColour(cr, shade);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

} // namespace

void AddTextureShapes(ShapeRegistry& registry) {
    registry.Add("grain", Grain);
    registry.Add("speckle", Speckle);
    registry.Add("crystals", Crystals);
    registry.Add("ornament", Ornament);
    registry.Add("snowcap", SnowCap);
}
