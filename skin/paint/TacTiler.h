// Laying a rectangle of one bitmap over an area of another: repeated as tiles, or stretched.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <algorithm>

class TacTiler {
public:
    // Calls fn(part) for each tile-sized part of area laid from its top-left, the last ones cut at
    // its right and bottom edges.
    template <class Fn> static void ForEachTile(const TRect& area, TSize tile, Fn&& fn) {
        if (tile.cx <= 0 || tile.cy <= 0) return;
        for (int y = area.Top; y < area.Bottom; y += tile.cy)
            for (int x = area.Left; x < area.Right; x += tile.cx)
                fn(TRect{x, y, std::min(x + tile.cx, area.Right), std::min(y + tile.cy, area.Bottom)});
    }

    // Repeats the tile over area (clipped to the destination) so that a whole tile would start at
    // phase: destination (x, y) takes tile pixel ((x - phase.X) mod w, (y - phase.Y) mod h).
    static void Tile(Bitmap& destination, const TRect& area, TPoint phase, const Bitmap& source,
                     const TRect& tile);
    // Smoothly stretches the tile over area (the part inside the destination).
    static void Stretch(Bitmap& destination, const TRect& area, const Bitmap& source, const TRect& tile);
};
