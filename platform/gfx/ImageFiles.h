// Reading and writing image files: BMP (read 1/4/8/24/32-bit, write 8-bit palette and 24-bit),
// JPEG (read and write), PNG (write).
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Every reader checks sizes before it allocates: a file that is truncated, has a wrong magic or
// claims absurd dimensions gives false with a one-line reason in *error, never a crash. Readers
// produce a top-down 24-bit bitmap (32-bit for 32-bit BMP files, alpha kept).
bool ReadBmp(std::span<const std::uint8_t> data, Bitmap& out, std::string* error = nullptr);
bool ReadBmpFile(const std::string& path, Bitmap& out, std::string* error = nullptr);
bool ReadJpeg(std::span<const std::uint8_t> data, Bitmap& out, std::string* error = nullptr);
bool ReadJpegFile(const std::string& path, Bitmap& out, std::string* error = nullptr);

// Encoders return the file's bytes. The 8-bit form builds a palette of the bitmap's colours and
// fails (empty result) when there are more than 256.
std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap);
std::vector<std::uint8_t> EncodeBmp8(const Bitmap& bitmap);
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap);
// A baseline colour JPEG at quality 1..100.
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality);
// Write a 24-bit PNG or a JPEG; false with a reason when the file cannot be written.
bool WritePngFile(const std::string& path, const Bitmap& bitmap, std::string* error = nullptr);
bool WriteJpegFile(const std::string& path, const Bitmap& bitmap, int quality, std::string* error = nullptr);
