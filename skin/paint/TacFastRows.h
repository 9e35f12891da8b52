// Row access to a bitmap of one pixel format: row pointers once per row instead of a call per pixel.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstddef>
#include <cstdint>

// Attaching to a bitmap narrower or lower than 2 pixels, or of another format, fails and leaves
// the accessor with width 0; the pixel operations must not be used then.
template <TPixelFormat Format, int BytesPerPixel> class TacFastRows {
public:
    bool Attach(Bitmap& bitmap) {
        if (bitmap.Width() < 2 || bitmap.Height() < 2 || bitmap.Format() != Format) {
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

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    std::ptrdiff_t Stride() const { return FStride; }
    std::uint8_t* Row(int y) const { return FRow0 + FStride * y; }
    std::uint8_t* Address(int x, int y) const {
        return Row(y) + BytesPerPixel * static_cast<std::ptrdiff_t>(x);
    }
    // The pixel's red, green and blue as a colour; no bounds checks.
    TColor Pixel(int x, int y) const {
        const std::uint8_t* p = Address(x, y);
        return RGB(p[2], p[1], p[0]);
    }

private:
    std::uint8_t* FRow0 = nullptr;
    std::ptrdiff_t FStride = 0;
    int FWidth = 0;
    int FHeight = 0;
};
