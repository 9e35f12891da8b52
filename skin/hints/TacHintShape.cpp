// Hint outlines.
#include "skin/hints/TacHintShape.h"

#include <algorithm>
#include <cmath>

TacHintShape::TacHintShape(THintShapeKind kind, const TRect& body, TPoint tip, int radius)
    : FKind(kind), FBody(body), FTip(tip), FRadius(radius) {}

void TacHintShape::Fill(DeviceContext& dc, TPoint offset, int shrink, TColor color) const {
    const TRect body = FBody.Offset(offset.X, offset.Y).Inflate(-shrink, -shrink);
    if (body.Width() > 0 && body.Height() > 0) {
        switch (FKind) {
        case hskRectangle: dc.FillRect(body, color); break;
        case hskRoundRect: dc.RoundRect(body, 2 * FRadius, 2 * FRadius, color, clNone); break;
        case hskEllipse:
        case hskBalloon: dc.Ellipse(body, color, clNone); break;
        }
    }
    if (FKind == hskRoundRect || FKind == hskEllipse) dc.Polygon(Pointer(offset, shrink), color, clNone);
    if (FKind == hskBalloon)
        for (const TRect& bubble : Bubbles(offset, shrink)) dc.Ellipse(bubble, color, clNone);
}

// A shrunk pointer keeps its direction: the tip moves toward the body's centre, the base narrows.
std::vector<TPoint> TacHintShape::Pointer(TPoint offset, int shrink) const {
    const int w = FBody.Width();
    const int cx = FBody.Left + w / 2 + offset.X;
    const int cy = (FBody.Top + FBody.Bottom) / 2 + offset.Y;
    const int half = std::max(0, w / 8 - shrink);
    TPoint tip{FTip.X + offset.X, FTip.Y + offset.Y};
    const double dx = cx - tip.X, dy = cy - tip.Y;
    const double length = std::hypot(dx, dy);
    if (length > 0 && shrink > 0) {
        const double step = std::min<double>(shrink, length);
        tip.X += static_cast<int>(std::lround(dx * step / length));
        tip.Y += static_cast<int>(std::lround(dy * step / length));
    }
    return {tip, {cx - half, cy}, {cx + half, cy}};
}

// Bubble k (1..5) is body/(4k) in size. The trail runs from the ellipse's edge toward the tip:
// the smallest bubble touches the tip, each bigger one lies a gap further back, and a trail too
// long for the way is pressed together evenly.
std::vector<TRect> TacHintShape::Bubbles(TPoint offset, int shrink) const {
    constexpr double kGap = 2;
    const double cx = (FBody.Left + FBody.Right) / 2.0, cy = (FBody.Top + FBody.Bottom) / 2.0;
    const double rx = std::max(FBody.Width() / 2.0, 1.0), ry = std::max(FBody.Height() / 2.0, 1.0);
    const double dx = FTip.X - cx, dy = FTip.Y - cy;
    const double reach = std::hypot(dx / rx, dy / ry);
    const double edge = reach > 1 ? 1 / reach : 1; // share of the way to the tip inside the ellipse
    const double ex = cx + dx * edge, ey = cy + dy * edge;
    const double way = std::hypot(FTip.X - ex, FTip.Y - ey);
    const double ux = way > 0 ? (FTip.X - ex) / way : 0, uy = way > 0 ? (FTip.Y - ey) / way : 0;
    double size[kBubbleCount + 1][2] = {};
    double reachOf[kBubbleCount + 1] = {};
    for (int k = 1; k <= kBubbleCount; ++k) {
        size[k][0] = FBody.Width() / (kBubbleDivisor * k);
        size[k][1] = FBody.Height() / (kBubbleDivisor * k);
        reachOf[k] = std::hypot(size[k][0] / 2 * ux, size[k][1] / 2 * uy); // half its extent along the way
    }
    double along[kBubbleCount + 1] = {};
    along[kBubbleCount] = way - reachOf[kBubbleCount];
    for (int k = kBubbleCount - 1; k >= 1; --k) along[k] = along[k + 1] - reachOf[k + 1] - kGap - reachOf[k];
    if (const double start = along[1]; start < 0) {
        const double last = along[kBubbleCount], span = last - start;
        for (int k = 1; k <= kBubbleCount; ++k) along[k] = span > 0 ? (along[k] - start) * last / span : 0;
    }
    std::vector<TRect> bubbles;
    for (int k = 1; k <= kBubbleCount; ++k) {
        const int bw = static_cast<int>(size[k][0]) - 2 * shrink, bh = static_cast<int>(size[k][1]) - 2 * shrink;
        if (bw <= 0 || bh <= 0) continue;
        const int x = static_cast<int>(std::lround(ex + ux * along[k])) + offset.X;
        const int y = static_cast<int>(std::lround(ey + uy * along[k])) + offset.Y;
        bubbles.push_back({x - bw / 2, y - bh / 2, x - bw / 2 + bw, y - bh / 2 + bh});
    }
    return bubbles;
}
