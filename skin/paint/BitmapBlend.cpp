// Factor and transparency-byte blends of bitmap rectangles.
#include "skin/paint/BitmapBlend.h"

#include "skin/paint/MappedPixels.h"
#include "skin/paint/PixelMath.h"
#include "skin/paint/TacFastSum24.h"

#include <algorithm>

using namespace PixelMath;

void BlendBitmapRect(Bitmap& destination, int x, int y, TColor key, double factor, TRect sr,
                     const Bitmap& source) {
    const bool keyed = (static_cast<std::uint32_t>(key) >> 24) != 0xFF;
    const TPixelBytes k(key & 0xFFFFFF);
    ForEachMappedPixel(destination, source, sr, x - sr.Left, y - sr.Top,
                       [&](std::uint8_t* d, const std::uint8_t* s, int, int) {
                           if (keyed && k.Matches(s)) return;
                           for (int c = 0; c < 3; ++c) d[c] = SourceToward(s[c], d[c], factor);
                       });
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
