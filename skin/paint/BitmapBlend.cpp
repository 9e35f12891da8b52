// Factor and transparency-byte blends of bitmap rectangles.
#include "skin/paint/BitmapBlend.h"

#include "skin/paint/PixelMath.h"
#include "skin/paint/TacFastSum24.h"

#include <algorithm>

using namespace PixelMath;

void BlendBitmapRect(Bitmap& destination, int x, int y, TColor key, double factor, TRect sr,
                     const Bitmap& source) {
    // Source columns and rows that exist and land inside the destination.
    const int dx = x - sr.Left;
    const int dy = y - sr.Top;
    const int left = std::max({sr.Left, 0, -dx});
    const int top = std::max({sr.Top, 0, -dy});
    const int right = std::min({sr.Right, source.Width() - 1, destination.Width() - 1 - dx});
    const int bottom = std::min({sr.Bottom, source.Height() - 1, destination.Height() - 1 - dy});
    if (right < left || bottom < top) return;
    const bool keyed = (static_cast<std::uint32_t>(key) >> 24) != 0xFF;
    const TPixelBytes k(key & 0xFFFFFF);
    const int sb = source.BytesPerPixel();
    const int db = destination.BytesPerPixel();
    for (int sy = top; sy <= bottom; ++sy) {
        const std::uint8_t* s = source.PixelAddress(left, sy);
        std::uint8_t* d = destination.PixelAddress(left + dx, sy + dy);
        for (int sx = left; sx <= right; ++sx, s += sb, d += db) {
            if (keyed && k.Matches(s)) continue;
            for (int c = 0; c < 3; ++c) d[c] = SourceToward(s[c], d[c], factor);
        }
    }
}

void BlendBitmapAt(Bitmap& destination, const Bitmap& source, TColor transparency, TPoint p, TRect sr) {
    if (p.X < 0) sr.Left -= p.X, p.X = 0;
    if (p.Y < 0) sr.Top -= p.Y, p.Y = 0;
    if (sr.Left < 0) p.X -= sr.Left, sr.Left = 0;
    if (sr.Top < 0) p.Y -= sr.Top, sr.Top = 0;
    sr.Right = std::min({sr.Right, source.Width(), sr.Left + destination.Width() - p.X});
    sr.Bottom = std::min({sr.Bottom, source.Height(), sr.Top + destination.Height() - p.Y});
    TacFastSum24 sum;
    if (sr.IsEmpty() || !sum.Attach(source, destination)) return;
    sum.Alpha = static_cast<std::uint8_t>(transparency & 0xFF);
    sum.DstRect = Bounds(p.X, p.Y, sr.Width(), sr.Height());
    sum.SrcOrigin = sr.TopLeft();
    sum.Blend();
}
