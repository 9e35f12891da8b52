// Row access to a 32-bit bitmap (blue, green, red, alpha), for parent images that happen to be 32-bit.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstddef>
#include <cstdint>

// Attaching to a bitmap narrower or lower than 2 pixels, or not of 32 bits, fails and leaves the
// accessor with width 0; the pixel operations must not be used then.
class TacFast32 {
public:
    bool Attach(Bitmap& bitmap);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    std::ptrdiff_t Stride() const { return FStride; }
    std::uint8_t* Row(int y) const { return FRow0 + FStride * y; }
    std::uint8_t* Address(int x, int y) const { return Row(y) + 4 * static_cast<std::ptrdiff_t>(x); }

    // The pixel's red, green and blue as a colour; no bounds checks.
    TColor Pixel(int x, int y) const;
    // Stores the colour's red, green and blue, and its high byte as the alpha.
    void SetPixel(int x, int y, TColor color) const;

private:
    std::uint8_t* FRow0 = nullptr;
    std::ptrdiff_t FStride = 0;
    int FWidth = 0;
    int FHeight = 0;
};
