// Scan conversion of the filled and outlined shapes the controls and hints draw.
#include "platform/gfx/ShapeRasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int FloorHalf(int twice) { return static_cast<int>(std::floor(twice / 2.0)); }

struct Crossing {
    double X;
    int Direction;
};

} // namespace

std::vector<TSpan> ShapeRasterizer::EllipseRows(const TRect& rect) {
    std::vector<TSpan> rows;
    if (rect.IsEmpty()) return rows;
    const double cx = (rect.Left + rect.Right) / 2.0;
    const double cy = (rect.Top + rect.Bottom) / 2.0;
    const double a = rect.Width() / 2.0;
    const double b = rect.Height() / 2.0;
    const int mirror = rect.Left + rect.Right; // pixel x mirrors to mirror - 1 - x
    rows.reserve(static_cast<std::size_t>(rect.Height()));
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        const double t = (y + 0.5 - cy) / b;
        const double halfWidth = a * std::sqrt(std::max(0.0, 1.0 - t * t));
        int x0 = static_cast<int>(std::ceil(cx - halfWidth - 0.5));
        if (mirror - x0 <= x0) x0 = FloorHalf(mirror - 1); // keep the centre pixel(s)
        rows.push_back({x0, mirror - x0});
    }
    return rows;
}

std::vector<TSpan> ShapeRasterizer::RoundRectRows(const TRect& rect, int ellipseWidth, int ellipseHeight) {
    std::vector<TSpan> rows;
    if (rect.IsEmpty()) return rows;
    const int ew = std::clamp(ellipseWidth, 0, rect.Width());
    const int eh = std::clamp(ellipseHeight, 0, rect.Height());
    const std::vector<TSpan> corner = EllipseRows(Bounds(rect.Left, rect.Top, ew, eh));
    const int cornerRows = eh / 2;
    rows.reserve(static_cast<std::size_t>(rect.Height()));
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        const int fromTop = y - rect.Top;
        const int fromBottom = rect.Bottom - 1 - y;
        const int k = std::min(fromTop, fromBottom);
        const int inset = (ew > 0 && k < cornerRows) ? corner[static_cast<std::size_t>(k)].Left - rect.Left : 0;
        rows.push_back({rect.Left + inset, rect.Right - inset});
    }
    return rows;
}

void ShapeRasterizer::SplitOutline(const std::vector<TSpan>& rows, int top, const SpanSink& inside,
                                   const SpanSink& outline) {
    const std::size_t n = rows.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TSpan& s = rows[i];
        const int y = top + static_cast<int>(i);
        if (i == 0 || i + 1 == n) {
            outline(y, s.Left, s.Right);
            continue;
        }
        const int innerLeft = std::max({s.Left + 1, rows[i - 1].Left, rows[i + 1].Left});
        const int innerRight = std::min({s.Right - 1, rows[i - 1].Right, rows[i + 1].Right});
        if (innerLeft >= innerRight) {
            outline(y, s.Left, s.Right);
            continue;
        }
        outline(y, s.Left, innerLeft);
        inside(y, innerLeft, innerRight);
        outline(y, innerRight, s.Right);
    }
}

void ShapeRasterizer::Polygon(const std::vector<TPointF>& points, const SpanSink& sink) {
    if (points.size() < 3) return;
    double minY = points[0].Y, maxY = points[0].Y;
    for (const TPointF& p : points) minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
    std::vector<Crossing> crossings;
    for (int y = static_cast<int>(std::floor(minY)); y < static_cast<int>(std::ceil(maxY)); ++y) {
        const double py = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TPointF& p = points[i];
            const TPointF& q = points[(i + 1) % points.size()];
            if (p.Y == q.Y) continue;
            const bool down = q.Y > p.Y;
            const double lo = down ? p.Y : q.Y, hi = down ? q.Y : p.Y;
            if (py < lo || py >= hi) continue;
            crossings.push_back({p.X + (py - p.Y) * (q.X - p.X) / (q.Y - p.Y), down ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.X < b.X; });
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].Direction;
            if (winding == 0) continue;
            const int x0 = static_cast<int>(std::ceil(crossings[i].X - 0.5));
            const int x1 = static_cast<int>(std::ceil(crossings[i + 1].X - 0.5));
            if (x0 < x1) sink(y, x0, x1);
        }
    }
}

void ShapeRasterizer::Line(int x1, int y1, int x2, int y2, const std::function<void(int x, int y)>& pixel) {
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        pixel(x1, y1);
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x1 += sx;
        if (e2 <= dx) err += dx, y1 += sy;
    }
}

void ShapeRasterizer::WideLine(int x1, int y1, int x2, int y2, int width, const SpanSink& sink) {
    const double half = width / 2.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    if (length > 0) {
        // The body: the segment between pixel centres widened on both sides.
        const double nx = -dy / length * half, ny = dx / length * half;
        const TPointF a{x1 + 0.5, y1 + 0.5}, b{x2 + 0.5, y2 + 0.5};
        Polygon({{a.X + nx, a.Y + ny}, {b.X + nx, b.Y + ny}, {b.X - nx, b.Y - ny}, {a.X - nx, a.Y - ny}}, sink);
    }
    const int offset = FloorHalf(width - 1);
    for (const TPoint end : {TPoint{x1, y1}, TPoint{x2, y2}}) {
        const TRect cap = Bounds(end.X - offset, end.Y - offset, width, width);
        const std::vector<TSpan> rows = EllipseRows(cap);
        for (std::size_t i = 0; i < rows.size(); ++i) sink(cap.Top + static_cast<int>(i), rows[i].Left, rows[i].Right);
    }
}
