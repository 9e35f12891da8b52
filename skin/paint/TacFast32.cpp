// Writing one pixel with its alpha through the 32-bit row accessor.
#include "skin/paint/TacFast32.h"

#include "skin/paint/PixelMath.h"

void TacFast32::SetPixel(int x, int y, TColor color) const {
    std::uint8_t* p = Address(x, y);
    PixelMath::TPixelBytes(color & 0xFFFFFF).Store(p);
    p[3] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(color) >> 24);
}
