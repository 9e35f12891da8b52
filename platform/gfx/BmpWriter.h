// Encoding of bitmaps as bottom-up BMP files: 24-bit, or 8-bit with a palette of the colours used.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <vector>

class BmpWriter {
public:
    static std::vector<std::uint8_t> Encode24(const Bitmap& bitmap);
    // Empty when the bitmap has more than 256 colours.
    static std::vector<std::uint8_t> Encode8(const Bitmap& bitmap);

private:
    static void PutHeaders(std::vector<std::uint8_t>& out, const Bitmap& bitmap, int bitCount, std::uint32_t colors);
};
