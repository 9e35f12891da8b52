// Key-colour copies row by row.
#include "skin/paint/KeyColorCopy.h"

#include "skin/paint/InclusiveRect.h"
#include "skin/paint/MappedPixels.h"
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
    const TPixelBytes k(ColorToRGB(key));
    ForEachMappedPixel(destination, source, sr, x - sr.Left, y - sr.Top,
                       [&](std::uint8_t* d, const std::uint8_t* s, int px, int py) {
                           if (k.Matches(s))
                               keyPixel(d, px, py);
                           else
                               d[0] = s[0], d[1] = s[1], d[2] = s[2];
                       });
}

} // namespace

void CopyWithKeyColor(Bitmap& destination, const Bitmap& source, int x, int y, TColor key) {
    CopyRectWithKeyColor(destination, source, x, y, key, InclusiveOf(source.BoundsRect()));
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
