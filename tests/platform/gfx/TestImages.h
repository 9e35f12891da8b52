// Test-only makers of image files: hand-built BMP files and JPEGs from libjpeg's compressor.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <vector>

// A BMP file with a 40-byte info header (or a 12-byte core header), the given palette (blue,
// green, red per entry) and raw rows written exactly as given, padded to four bytes.
struct TestBmp {
    int Width = 0;
    int Height = 0;
    int BitCount = 24;
    bool TopDown = false;
    bool CoreHeader = false;
    std::vector<std::uint32_t> Palette; // $00RRGGBB as stored
    std::vector<std::vector<std::uint8_t>> Rows; // top row first, unpadded

    std::vector<std::uint8_t> Encode() const;
};

// Baseline JPEG of the bitmap (quality 0..100); grey makes a one-component file.
std::vector<std::uint8_t> EncodeTestJpeg(const Bitmap& bitmap, int quality, bool grey = false);

// Decodes a PNG with libpng's simplified reader; empty bitmap on failure.
Bitmap DecodeTestPng(const std::vector<std::uint8_t>& png);
