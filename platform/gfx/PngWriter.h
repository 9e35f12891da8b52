// Encoding of bitmaps as 24-bit PNG files with libpng.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <vector>

class PngWriter {
public:
    // The file's bytes; empty for an empty bitmap or when libpng fails.
    static std::vector<std::uint8_t> Encode(const Bitmap& bitmap);
};
