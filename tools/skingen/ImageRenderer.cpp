// Rendering of recipe images into reader-ready bitmaps.
#include "tools/skingen/ImageRenderer.h"

#include "tools/skingen/ShapeRegistry.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor Key = RGB(255, 0, 255);
// Alpha is kept in 17 steps: enough for smooth edges, and few greys for the 256-colour palette.
constexpr int AlphaStep = 16;

int QuantisedAlpha(int alpha) {
    return std::min(255, (alpha + AlphaStep / 2) / AlphaStep * AlphaStep);
}

// A drawn pixel never equals the key by accident.
TColor AvoidKey(TColor c) { return c == Key ? RGB(254, 0, 255) : c; }

TColor Unpremultiplied(const std::uint8_t* px, int alpha) {
    auto channel = [&](int v) { return std::min(255, (v * 255 + alpha / 2) / alpha); };
    return RGB(channel(px[2]), channel(px[1]), channel(px[0]));
}

} // namespace

Bitmap ImageRenderer::Render(const ImageDescription& spec) {
    Bitmap out(spec.BitmapWidth(), spec.BitmapHeight());
    ShapePaint paint = ShapeRegistry::Standard().Find(spec.Recipe, spec.Params.Where());
    for (int state = 0; state < spec.States; ++state) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, spec.Width, spec.Height);
        cairo_t* cr = cairo_create(surface);
        paint(cr, spec.Params, state, spec.Width, spec.Height);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        PutState(out, spec, state, cairo_image_surface_get_data(surface), cairo_image_surface_get_stride(surface));
        cairo_surface_destroy(surface);
    }
    return out;
}

void ImageRenderer::PutState(Bitmap& out, const ImageDescription& spec, int state, const std::uint8_t* argb, int stride) {
    int x0 = state * spec.Width;
    std::vector<bool> outside = Outside(spec, argb, stride);
    auto isOutside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < spec.Width && y < spec.Height && outside[static_cast<std::size_t>(y * spec.Width + x)];
    };
    for (int y = 0; y < spec.Height; ++y) {
        const std::uint8_t* row = argb + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < spec.Width; ++x) {
            const std::uint8_t* px = row + x * 4;
            int alpha = px[3];
            if (spec.MaskType == 0) {
                out.SetPixel(x0 + x, y, alpha < 128 ? Key : AvoidKey(Unpremultiplied(px, alpha)));
                continue;
            }
            bool edge = spec.IsBorders() && !isOutside(x, y) &&
                        (isOutside(x - 1, y) || isOutside(x + 1, y) || isOutside(x, y - 1) || isOutside(x, y + 1));
            int kept = isOutside(x, y) ? 0 : edge ? 255 : QuantisedAlpha(alpha);
            TColor colour = kept == 0 ? (isOutside(x, y) ? Key : clBlack) : AvoidKey(Unpremultiplied(px, std::max(alpha, 1)));
            out.SetPixel(x0 + x, y, colour);
            int grey = 255 - kept;
            out.SetPixel(x0 + x, spec.Height + y, RGB(grey, grey, grey));
        }
    }
}

// Empty pixels joined to a corner of the cell lie outside the shape: they become the key, which
// painters replace with what lies behind the element. Empty pixels enclosed by the shape keep the
// element's own background instead (white mask over a non-key colour). A frame's corners are
// painted over the element's own background, so a half-covered pixel there would blend with the
// wrong colour: a frame's outer edge is cut at half coverage, crisp against what lies behind.
std::vector<bool> ImageRenderer::Outside(const ImageDescription& spec, const std::uint8_t* argb, int stride) {
    int w = spec.Width, h = spec.Height;
    int threshold = spec.IsBorders() ? 128 : AlphaStep / 2;
    std::vector<bool> outside(static_cast<std::size_t>(w * h), false);
    auto empty = [&](int x, int y) { return argb[static_cast<std::ptrdiff_t>(y) * stride + x * 4 + 3] < threshold; };
    std::vector<std::pair<int, int>> todo{{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h || outside[static_cast<std::size_t>(y * w + x)] || !empty(x, y)) continue;
        outside[static_cast<std::size_t>(y * w + x)] = true;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    return outside;
}
