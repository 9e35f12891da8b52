// Hint placement.
#include "skin/hints/TacHintPlacement.h"

namespace {
bool IsBottom(TsMousePosition corner) { return corner == mpLeftBottom || corner == mpRightBottom; }
bool IsRight(TsMousePosition corner) { return corner == mpRightTop || corner == mpRightBottom; }
} // namespace

THintPlace TacHintPlacement::Place(TSize size, TPoint p, TsMousePosition preferred, const TRect& desktop) {
    TRect r{p.X, p.Y, p.X + size.cx, p.Y + size.cy};
    if (IsBottom(preferred)) r = r.Offset(0, -size.cy);
    if (IsRight(preferred)) r = r.Offset(-size.cx, 0);
    const TRect before = r;
    if (r.Bottom > desktop.Bottom) r = {r.Left, p.Y - size.cy, r.Right, p.Y};
    if (r.Top < desktop.Top) r = {r.Left, p.Y, r.Right, p.Y + size.cy};
    if (r.Right > desktop.Right) r = {p.X - size.cx, r.Top, p.X, r.Bottom};
    if (r.Left < desktop.Left) r = {p.X, r.Top, p.X + size.cx, r.Bottom};
    if (r == before) return {r, static_cast<int>(preferred)};
    const bool above = r.Bottom <= p.Y && r.Top < p.Y;
    const bool left = r.Right <= p.X && r.Left < p.X;
    return {r, (left ? 2 : 0) + (above ? 1 : 0)};
}
