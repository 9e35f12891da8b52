// Texture recipes: wood grain, sand and parchment speckle, ice, snow, and ornamental corners.
// Random detail comes from a fixed-seed generator, so every build draws the same pixels.
#include "tools/skingen/CairoPen.h"
#include "tools/skingen/ShapeRegistry.h"

#include <cmath>
#include <cstdint>

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

// An ornamental corner: a double line along two edges with a curl and a diamond at the corner.
// Drawn for the top left; "corner" = tl | tr | bl | br mirrors it.
void Ornament(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    std::string corner = p.Text("corner", "tl");
    if (corner[1] == 'r') { cairo_translate(cr, w, 0); cairo_scale(cr, -1, 1); }
    if (corner[0] == 'b') { cairo_translate(cr, 0, h); cairo_scale(cr, 1, -1); }
    Rgba ink = p.ColourOr("ink", state, Rgba{0.85, 0.65, 0.2, 1});
    Rgba dark = p.ColourOr("line", state, Rgba{0.3, 0.2, 0.05, 1});
    double s = std::min(w, h);
    auto shape = [&](const Rgba& c, double width, double shift) {
        cairo_move_to(cr, 2.5 + shift, h - 1);
        cairo_line_to(cr, 2.5 + shift, s * 0.45);
        cairo_curve_to(cr, 2.5 + shift, s * 0.2, s * 0.2, 2.5 + shift, s * 0.45, 2.5 + shift);
        cairo_line_to(cr, w - 1, 2.5 + shift);
        cairo_move_to(cr, 6.5 + shift, h - 1);
        cairo_line_to(cr, 6.5 + shift, s * 0.5);
        cairo_curve_to(cr, 6.5 + shift, s * 0.35, s * 0.35, 6.5 + shift, s * 0.5, 6.5 + shift);
        cairo_line_to(cr, w - 1, 6.5 + shift);
        CairoPen::SetColour(cr, c);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
        cairo_move_to(cr, s * 0.32 + shift, s * 0.12 + shift);
        cairo_line_to(cr, s * 0.52 + shift, s * 0.32 + shift);
        cairo_line_to(cr, s * 0.32 + shift, s * 0.52 + shift);
        cairo_line_to(cr, s * 0.12 + shift, s * 0.32 + shift);
        cairo_close_path(cr);
        cairo_fill(cr);
    };
    shape(dark, 2.2, 0.6);
    shape(ink, 1.4, 0);
}

// A cap of snow along the top edge, thicker toward the corner ("corner" = tl | tr).
void SnowCap(cairo_t* cr, const RecipeParams& p, int state, double w, double h) {
    if (p.Text("corner", "tl") == "tr") { cairo_translate(cr, w, 0); cairo_scale(cr, -1, 1); }
    Rgba snow = p.ColourOr("fill", state, Rgba{1, 1, 1, 1});
    Rgba shade = p.ColourOr("line", state, Rgba{0.6, 0.7, 0.85, 1});
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w, 0);
    cairo_line_to(cr, w, 2);
    cairo_curve_to(cr, w * 0.7, 3, w * 0.55, h * 0.35, w * 0.35, h * 0.4);
    cairo_curve_to(cr, w * 0.2, h * 0.45, w * 0.18, h * 0.9, w * 0.08, h - 1);
    cairo_curve_to(cr, 2, h - 1, 0.5, h * 0.8, 0, h * 0.6);
    cairo_close_path(cr);
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
