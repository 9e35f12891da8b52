// The frame ring of a control's image.
#include "skin/paint/CacheRing.h"

#include <algorithm>

void CopyImageRing(HDC dc, const Bitmap& image, int thickness) {
    if (!dc || image.Empty() || thickness <= 0) return;
    const int w = image.Width(), h = image.Height();
    const int t = std::min({thickness, (w + 1) / 2, (h + 1) / 2});
    const TRect strips[] = {{0, 0, w, t}, {0, h - t, w, h}, {0, t, t, h - t}, {w - t, t, w, h - t}};
    for (const TRect& r : strips)
        if (!r.IsEmpty()) dc->DrawBitmap(r.Left, r.Top, image, r);
}
