// Linear and barycentric colour interpolation over clipped pixel runs.
#include "platform/gfx/GradientPainter.h"

#include <algorithm>
#include <cmath>

namespace {

// Channel of step i out of n between a and b: a at the first step and b at the last.
int Interpolate(int a, int b, int i, int n) {
    if (n <= 1) return a;
    return static_cast<int>(std::lround(a + static_cast<double>(b - a) * i / (n - 1)));
}

TColor Mix(TColor c1, TColor c2, int i, int n) {
    return RGB(Interpolate(GetRValue(c1), GetRValue(c2), i, n), Interpolate(GetGValue(c1), GetGValue(c2), i, n),
               Interpolate(GetBValue(c1), GetBValue(c2), i, n));
}

int Channel(const double (&w)[3], int a, int b, int c) {
    return std::clamp(static_cast<int>(std::lround(w[0] * a + w[1] * b + w[2] * c)), 0, 255);
}

} // namespace

void GradientPainter::Rect(const SpanTarget& target, const TRect& rect, TColor c1, TColor c2, bool vertical) {
    const TRect visible = rect.Intersect(target.Target().BoundsRect());
    if (vertical) {
        for (int y = visible.Top; y < visible.Bottom; ++y)
            target.FillSpan(y, visible.Left, visible.Right, Mix(c1, c2, y - rect.Top, rect.Height()));
        return;
    }
    std::vector<TColor> columns;
    for (int x = visible.Left; x < visible.Right; ++x) columns.push_back(Mix(c1, c2, x - rect.Left, rect.Width()));
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        target.ForEachVisibleSpan(y, visible.Left, visible.Right, [&](int l, int r) {
            for (int x = l; x < r; ++x) target.SetPixel(x, y, columns[static_cast<std::size_t>(x - visible.Left)]);
        });
    }
}

void GradientPainter::Triangle(const SpanTarget& target, const TPointF (&corner)[3], const TColor (&color)[3]) {
    const TPointF &a = corner[0], &b = corner[1], &c = corner[2];
    const double area = (b.X - a.X) * (c.Y - a.Y) - (c.X - a.X) * (b.Y - a.Y);
    if (area == 0) return;
    ShapeRasterizer::Polygon({a, b, c}, [&](int y, int x0, int x1) {
        target.ForEachVisibleSpan(y, x0, x1, [&](int l, int r) {
            const double py = y + 0.5;
            for (int x = l; x < r; ++x) {
                const double px = x + 0.5;
                const double wb = ((px - a.X) * (c.Y - a.Y) - (c.X - a.X) * (py - a.Y)) / area;
                const double wc = ((b.X - a.X) * (py - a.Y) - (px - a.X) * (b.Y - a.Y)) / area;
                const double w[3] = {1.0 - wb - wc, wb, wc};
                target.SetPixel(x, y,
                                RGB(Channel(w, GetRValue(color[0]), GetRValue(color[1]), GetRValue(color[2])),
                                    Channel(w, GetGValue(color[0]), GetGValue(color[1]), GetGValue(color[2])),
                                    Channel(w, GetBValue(color[0]), GetBValue(color[1]), GetBValue(color[2]))));
            }
        });
    });
}
