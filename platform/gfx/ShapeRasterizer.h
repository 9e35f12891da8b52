// Turns shapes into rows of pixel runs: ellipses, rounded rectangles, polygons, lines.
#pragma once

#include "platform/gfx/Geometry.h"
#include "platform/gfx/RegionBuilder.h"

#include <functional>
#include <vector>

struct TPointF {
    double X = 0;
    double Y = 0;
};

// Receives the run [x0, x1) of row y.
using SpanSink = std::function<void(int y, int x0, int x1)>;

// A pixel belongs to a shape when its centre lies inside; vertex coordinates are pixel corners,
// so a rectangle's right and bottom stay exclusive as everywhere else.
class ShapeRasterizer {
public:
    // One run per row from rect.Top to rect.Bottom; rows of thin shapes never come out empty.
    static std::vector<TSpan> EllipseRows(const TRect& rect);
    static std::vector<TSpan> RoundRectRows(const TRect& rect, int ellipseWidth, int ellipseHeight);
    // Splits the rows of a convex shape (first row at top) into its one-pixel outline and inside.
    static void SplitOutline(const std::vector<TSpan>& rows, int top, const SpanSink& inside, const SpanSink& outline);
    // Non-zero winding fill.
    static void Polygon(const std::vector<TPointF>& points, const SpanSink& sink);
    // The pixels of a one-pixel line from (x1, y1) towards (x2, y2), the end point left out.
    static void Line(int x1, int y1, int x2, int y2, const std::function<void(int x, int y)>& pixel);
    // A line of the given width with round ends, as runs (rows may repeat and overlap).
    static void WideLine(int x1, int y1, int x2, int y2, int width, const SpanSink& sink);
};
