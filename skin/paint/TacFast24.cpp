// Attaching the 24-bit row accessor and its single-pixel access.
#include "skin/paint/TacFast24.h"

bool TacFast24::Attach(Bitmap& bitmap) {
    if (bitmap.Width() < 2 || bitmap.Height() < 2 || bitmap.Format() != TPixelFormat::pf24bit) {
        FWidth = FHeight = 0;
        FRow0 = nullptr;
        return false;
    }
    FRow0 = bitmap.ScanLine(0);
    FStride = bitmap.Stride();
    FWidth = bitmap.Width();
    FHeight = bitmap.Height();
    return true;
}

TColor TacFast24::Pixel(int x, int y) const {
    const std::uint8_t* p = Address(x, y);
    return RGB(p[2], p[1], p[0]);
}

void TacFast24::SetPixel(int x, int y, TColor color) const {
    std::uint8_t* p = Address(x, y);
    p[0] = static_cast<std::uint8_t>(GetBValue(color));
    p[1] = static_cast<std::uint8_t>(GetGValue(color));
    p[2] = static_cast<std::uint8_t>(GetRValue(color));
}
