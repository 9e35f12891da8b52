// The nine-piece geometry of a borders mask.
#include "skin/paint/TacBorderPieces.h"

#include "skin/paint/TacMaskView.h"

#include <algorithm>

void TacBorderPieces::Narrow(int& first, int& second, int length) {
    if (length < first + second) {
        const int d = (first + second - length) / 2;
        first -= d;
        second -= d;
        if (length % 2 != 0) --second;
    }
    first = std::clamp(first, 0, length);
    second = std::clamp(second, 0, length - first);
}

TacBorderPieces::TacBorderPieces(TsMaskData& mask, const TRect& r, int state)
    : WL(mask.BorderLeft()), WT(mask.BorderTop()), WR(mask.BorderRight()), WB(mask.BorderBottom()) {
    Narrow(WL, WR, r.Width());
    Narrow(WT, WB, r.Height());
    const TacMaskView view(mask);
    const int w = view.StateWidth();
    const int h = view.StateHeight();
    const int x0 = view.StateOrigin(state).X;
    const int y0 = view.StateOrigin(state).Y;
    const int cw = std::max(0, w - WL - WR);
    const int ch = std::max(0, h - WT - WB);
    const int xr = x0 + WL + cw; // the right pieces' column in the source
    const int yb = y0 + h - WB;  // the bottom pieces' row in the source
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    FPieces = {{
        {Bounds(x0, y0, WL, WT), Bounds(L, T, WL, WT), pkCorner},
        {Bounds(x0, y0 + WT, WL, ch), {L, T + WT, L + WL, B - WB}, pkSideEdge},
        {Bounds(x0 + WL, y0, cw, WT), {L + WL, T, R - WR, T + WT}, pkTopBottomEdge},
        {Bounds(x0, yb, WL, WB), Bounds(L, B - WB, WL, WB), pkCorner},
        {Bounds(x0 + WL, yb, cw, WB), {L + WL, B - WB, R - WR, B}, pkTopBottomEdge},
        {Bounds(xr, yb, WR, WB), Bounds(R - WR, B - WB, WR, WB), pkCorner},
        {Bounds(xr, y0, WR, WT), Bounds(R - WR, T, WR, WT), pkCorner},
        {Bounds(xr, y0 + WT, WR, ch), {R - WR, T + WT, R, B - WB}, pkSideEdge},
        {Bounds(x0 + WL, y0 + WT, cw, ch), {L + WL, T + WT, R - WR, B - WB}, pkCentre},
    }};
}
