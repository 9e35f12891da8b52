// Tiling by runs of whole rows of the tile, and stretching through the platform's scaler.
#include "skin/paint/TacTiler.h"

#include "platform/gfx/ImageScaler.h"

#include <algorithm>

namespace {

int Modulo(int a, int n) {
    const int m = a % n;
    return m < 0 ? m + n : m;
}

} // namespace

void TacTiler::Tile(Bitmap& destination, const TRect& area, TPoint phase, const Bitmap& source,
                    const TRect& tile) {
    const TRect to = area.Intersect(destination.BoundsRect());
    const TRect from = tile.Intersect(source.BoundsRect());
    if (to.IsEmpty() || from.IsEmpty()) return;
    const int w = from.Width();
    const int h = from.Height();
    const int db = destination.BytesPerPixel();
    const int sb = source.BytesPerPixel();
    for (int y = to.Top; y < to.Bottom; ++y) {
        const int sy = from.Top + Modulo(y - phase.Y, h);
        int sx = Modulo(to.Left - phase.X, w);
        for (int x = to.Left; x < to.Right; sx = 0) {
            const int run = std::min(w - sx, to.Right - x);
            Bitmap::CopyPixels(destination.PixelAddress(x, y), db, source.PixelAddress(from.Left + sx, sy),
                               sb, run);
            x += run;
        }
    }
}

void TacTiler::Stretch(Bitmap& destination, const TRect& area, const Bitmap& source, const TRect& tile) {
    const TRect visible = area.Intersect(destination.BoundsRect());
    if (visible.IsEmpty() || tile.IsEmpty() || tile.Intersect(source.BoundsRect()) != tile) return;
    const Bitmap scaled =
        ImageScaler::Scale(source, tile, area.Width(), area.Height(), visible.Offset(-area.Left, -area.Top));
    destination.CopyRect(visible.Left, visible.Top, scaled, scaled.BoundsRect());
}
