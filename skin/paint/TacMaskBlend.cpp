// The alpha-mask blend over clipped rows, and what key pixels do.
#include "skin/paint/TacMaskBlend.h"

#include "skin/paint/PixelMath.h"

#include <algorithm>

using namespace PixelMath;

bool TacMaskBlend::Clip(TRect& dr, TRect& sr, const Bitmap& destination) const {
    const int shiftX = std::max({0, -dr.Left, -sr.Left});
    const int shiftY = std::max({0, -dr.Top, -sr.Top});
    dr.Left += shiftX, sr.Left += shiftX;
    dr.Top += shiftY, sr.Top += shiftY;
    const int cols =
        std::min({sr.Width(), dr.Width(), destination.Width() - dr.Left, FSource.Width() - sr.Left});
    const int rows = std::min(
        {sr.Height(), dr.Height(), destination.Height() - dr.Top, FSource.Height() - FMaskOffset - sr.Top});
    if (cols < 1 || rows < 1) return false;
    dr = Bounds(dr.Left, dr.Top, cols, rows);
    sr = Bounds(sr.Left, sr.Top, cols, rows);
    return true;
}

void TacMaskBlend::Run(Bitmap& destination, TPoint at, const TRect& sr) const {
    const int sb = FSource.BytesPerPixel();
    const int db = destination.BytesPerPixel();
    for (int row = 0; row < sr.Height(); ++row) {
        const std::uint8_t* s = FSource.PixelAddress(sr.Left, sr.Top + row);
        const std::uint8_t* m = FSource.PixelAddress(sr.Left, sr.Top + row + FMaskOffset);
        std::uint8_t* d = destination.PixelAddress(at.X, at.Y + row);
        for (int col = 0; col < sr.Width(); ++col, s += sb, m += sb, d += db) {
            if (!FKeys.BlendLikeOthers && IsKeyPixel(s)) {
                KeyPixel(d, at.X + col, at.Y + row);
                continue;
            }
            for (int c = 0; c < 3; ++c) d[c] = ThroughMask(d[c], s[c], std::min(m[c] + FMaskRaise, 255));
        }
    }
}

void TacMaskBlend::KeyPixel(std::uint8_t* d, int x, int y) const {
    if (FKeys.PreferColor && FKeys.HasColor) return TPixelBytes(FKeys.Color).Store(d);
    if (FKeys.Parent.Attached()) {
        if (const std::uint8_t* p = FKeys.Parent.At(x, y)) d[0] = p[0], d[1] = p[1], d[2] = p[2];
        return;
    }
    if (FKeys.HasColor) TPixelBytes(FKeys.Color).Store(d);
}
