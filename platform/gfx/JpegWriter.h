// Encoding of bitmaps as baseline colour JPEG files with libjpeg-turbo.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <vector>

class JpegWriter {
public:
    // The file's bytes at quality 1..100; empty for an empty bitmap or when libjpeg fails.
    static std::vector<std::uint8_t> Encode(const Bitmap& bitmap, int quality);
};
