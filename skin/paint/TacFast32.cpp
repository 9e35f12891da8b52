// Attaching the 32-bit row accessor and its single-pixel access.
#include "skin/paint/TacFast32.h"

bool TacFast32::Attach(Bitmap& bitmap) {
    if (bitmap.Width() < 2 || bitmap.Height() < 2 || bitmap.Format() != TPixelFormat::pf32bit) {
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

TColor TacFast32::Pixel(int x, int y) const {
    const std::uint8_t* p = Address(x, y);
    return RGB(p[2], p[1], p[0]);
}

void TacFast32::SetPixel(int x, int y, TColor color) const {
    std::uint8_t* p = Address(x, y);
    const auto bits = static_cast<std::uint32_t>(color);
    p[0] = static_cast<std::uint8_t>(bits >> 16);
    p[1] = static_cast<std::uint8_t>(bits >> 8);
    p[2] = static_cast<std::uint8_t>(bits);
    p[3] = static_cast<std::uint8_t>(bits >> 24);
}
