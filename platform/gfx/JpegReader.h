// Decoding of JPEG files with libjpeg-turbo into 24-bit top-down bitmaps.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>

class JpegReader {
public:
    // Refuses images over 16384 pixels a side or claiming more pixels than the data could code;
    // a file that ends early is an error, not a grey-filled picture.
    static bool Read(std::span<const std::uint8_t> data, Bitmap& out, std::string& error);
};
