// A device-independent bitmap of 24 or 32 bits per pixel with direct row access.
#pragma once

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

enum class TPixelFormat { pf24bit, pf32bit };

// Pixels are stored blue, green, red (and alpha for 32 bits). Rows are padded to four bytes and
// may be stored bottom-up, so callers step from row to row with Stride(), never assuming its sign.
// A bitmap is a value: copying it copies the pixels.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit, bool bottomUp = false);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TSize Size() const { return {FWidth, FHeight}; }
    TRect BoundsRect() const { return {0, 0, FWidth, FHeight}; }
    bool Empty() const { return FWidth <= 0 || FHeight <= 0; }
    TPixelFormat Format() const { return FFormat; }
    int BytesPerPixel() const { return FFormat == TPixelFormat::pf32bit ? 4 : 3; }
    bool BottomUp() const { return FBottomUp; }

    // Address of row y (0 is the top row); no bounds check.
    std::uint8_t* ScanLine(int y) { return FData.data() + RowOffset(y); }
    const std::uint8_t* ScanLine(int y) const { return FData.data() + RowOffset(y); }
    // Address of row 1 minus address of row 0: negative for bottom-up storage.
    std::ptrdiff_t Stride() const { return FBottomUp ? -FRowBytes : FRowBytes; }
    std::ptrdiff_t RowBytes() const { return FRowBytes; }
    // Address of pixel (x, y); no bounds check.
    std::uint8_t* PixelAddress(int x, int y) { return ScanLine(y) + static_cast<std::ptrdiff_t>(x) * BytesPerPixel(); }
    const std::uint8_t* PixelAddress(int x, int y) const {
        return ScanLine(y) + static_cast<std::ptrdiff_t>(x) * BytesPerPixel();
    }

    // New size (and format); the pixels that stay inside keep their values, new ones are black.
    void Resize(int width, int height);
    void SetFormat(TPixelFormat format);

    // The pixel as R + G*256 + B*65536; out-of-range reads give 0 and writes are ignored.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    std::uint8_t Alpha(int x, int y) const;

    // Solid fill of the whole bitmap; 32-bit pixels get the given alpha.
    void Fill(TColor color, std::uint8_t alpha = 255);
    // Solid fill of the part of rect inside the bitmap (32-bit pixels get alpha 255).
    void FillRect(const TRect& rect, TColor color);
    // Copies sourceRect of source to (x, y): only what lies inside both bitmaps, converting between
    // 24 and 32 bits (alpha kept between 32-bit bitmaps, 255 otherwise). The source may be this
    // bitmap itself, overlapping or not.
    void CopyRect(int x, int y, const Bitmap& source, const TRect& sourceRect);
    // count pixels from s (from bytes each) to d (to bytes each), converting as CopyRect does.
    static void CopyPixels(std::uint8_t* d, int to, const std::uint8_t* s, int from, int count);

    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    void FillArea(const TRect& area, TColor color, std::uint8_t alpha);
    std::ptrdiff_t RowOffset(int y) const {
        return static_cast<std::ptrdiff_t>(FBottomUp ? FHeight - 1 - y : y) * FRowBytes;
    }

    std::vector<std::uint8_t> FData;
    int FWidth = 0;
    int FHeight = 0;
    std::ptrdiff_t FRowBytes = 0;
    TPixelFormat FFormat = TPixelFormat::pf24bit;
    bool FBottomUp = false;
};
