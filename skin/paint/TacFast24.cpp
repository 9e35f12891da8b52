// Writing one pixel through the 24-bit row accessor.
#include "skin/paint/TacFast24.h"

#include "skin/paint/PixelMath.h"

void TacFast24::SetPixel(int x, int y, TColor color) const {
    PixelMath::TPixelBytes(color & 0xFFFFFF).Store(Address(x, y));
}
