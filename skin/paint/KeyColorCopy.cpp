// Key-colour copies row by row.
#include "skin/paint/KeyColorCopy.h"

#include "skin/paint/PixelMath.h"
#include "skin/paint/TacParentImage.h"

#include <algorithm>

using namespace PixelMath;

namespace {

// Copies the clipped rectangle; keyPixel(d, x, y) decides what a key pixel landing on the
// destination pixel d at (x, y) does.
template <class KeyFn>
void CopyKeyed(Bitmap& destination, const Bitmap& source, int x, int y, TColor key, TRect sr,
               KeyFn&& keyPixel) {
    sr.Left = std::max(sr.Left, 0);
    sr.Top = std::max(sr.Top, 0);
    const int dx = x - sr.Left;
    const int dy = y - sr.Top;
    const int left = std::max(sr.Left, -dx);
    const int top = std::max(sr.Top, -dy);
    const int right = std::min({sr.Right, source.Width() - 1, destination.Width() - 1 - dx});
    const int bottom = std::min({sr.Bottom, source.Height() - 1, destination.Height() - 1 - dy});
    if (right < left || bottom < top) return;
    const TPixelBytes k(ColorToRGB(key));
    const int sb = source.BytesPerPixel();
    const int db = destination.BytesPerPixel();
    for (int sy = top; sy <= bottom; ++sy) {
        const std::uint8_t* s = source.PixelAddress(left, sy);
        std::uint8_t* d = destination.PixelAddress(left + dx, sy + dy);
        for (int sx = left; sx <= right; ++sx, s += sb, d += db) {
            if (k.Matches(s))
                keyPixel(d, sx + dx, sy + dy);
            else
                d[0] = s[0], d[1] = s[1], d[2] = s[2];
        }
    }
}

} // namespace

void CopyWithKeyColor(Bitmap& destination, const Bitmap& source, int x, int y, TColor key) {
    CopyRectWithKeyColor(destination, source, x, y, key, {0, 0, source.Width() - 1, source.Height() - 1});
}

void CopyRectWithKeyColor(Bitmap& destination, const Bitmap& source, int x, int y, TColor key, TRect sr) {
    CopyKeyed(destination, source, x, y, key, sr, [](std::uint8_t*, int, int) {});
}

void CopyRectOverParent(Bitmap& destination, const Bitmap& source, int x, int y, bool useParent,
                        const TParentImageInfo& parent, TColor key, TRect sr) {
    TacParentImage behind;
    if (!useParent || !behind.Attach(parent)) return CopyRectWithKeyColor(destination, source, x, y, key, sr);
    CopyKeyed(destination, source, x, y, key, sr, [&behind](std::uint8_t* d, int px, int py) {
        if (const std::uint8_t* p = behind.At(px, py)) d[0] = p[0], d[1] = p[1], d[2] = p[2];
    });
}
