// Decoding of BMP files: 1, 4 and 8-bit palettes, 24-bit and 32-bit pixels, either row order.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Every size is checked against the data before anything is allocated.
class BmpReader {
public:
    explicit BmpReader(std::span<const std::uint8_t> data) : FData(data) {}
    // A top-down bitmap: 32-bit (alpha kept) for 32-bit files, 24-bit for the others.
    bool Read(Bitmap& out, std::string& error);

private:
    bool ReadHeaders(std::string& error);
    bool ReadMasks(std::string& error);
    bool ReadPalette(std::string& error);
    bool CheckPixelData(std::string& error) const;
    void DecodeRow(const std::uint8_t* src, std::uint8_t* dst) const;
    std::uint8_t Masked(std::uint32_t pixel, int channel) const;

    std::uint32_t U32(std::size_t at) const;
    std::uint16_t U16(std::size_t at) const;

    std::span<const std::uint8_t> FData;
    std::uint32_t FHeaderSize = 0;
    std::uint32_t FPixelOffset = 0;
    std::uint32_t FCompression = 0;
    std::uint32_t FColorsUsed = 0;
    std::int64_t FWidth = 0;
    std::int64_t FHeight = 0;
    bool FTopDown = false;
    int FBitCount = 0;
    std::uint32_t FMask[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}; // red, green, blue, alpha
    std::size_t FTableEnd = 0; // where masks and palette end
    std::vector<std::uint8_t> FPalette; // blue, green, red per entry
};
