// Pixel storage of device-independent bitmaps: allocation, resizing, format changes, pixel access.
#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace {

std::ptrdiff_t RowBytesFor(int width, int bytesPerPixel) {
    return (static_cast<std::ptrdiff_t>(width) * bytesPerPixel + 3) & ~std::ptrdiff_t{3};
}

} // namespace

Bitmap::Bitmap(int width, int height, TPixelFormat format, bool bottomUp)
    : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)), FFormat(format), FBottomUp(bottomUp) {
    if (FWidth == 0 || FHeight == 0) FWidth = FHeight = 0;
    FRowBytes = RowBytesFor(FWidth, BytesPerPixel());
    FData.assign(static_cast<std::size_t>(FRowBytes) * static_cast<std::size_t>(FHeight), 0);
}

void Bitmap::Resize(int width, int height) {
    if (width == FWidth && height == FHeight) return;
    Bitmap resized(width, height, FFormat, FBottomUp);
    const int rows = std::min(resized.FHeight, FHeight);
    const std::size_t bytes = static_cast<std::size_t>(std::min(resized.FWidth, FWidth)) * BytesPerPixel();
    for (int y = 0; y < rows; ++y) std::memcpy(resized.ScanLine(y), ScanLine(y), bytes);
    *this = std::move(resized);
}

void Bitmap::SetFormat(TPixelFormat format) {
    if (format == FFormat) return;
    Bitmap converted(FWidth, FHeight, format, FBottomUp);
    const int from = BytesPerPixel();
    const int to = converted.BytesPerPixel();
    for (int y = 0; y < FHeight; ++y) {
        const std::uint8_t* s = ScanLine(y);
        std::uint8_t* d = converted.ScanLine(y);
        for (int x = 0; x < FWidth; ++x, s += from, d += to) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
            if (to == 4) d[3] = 255;
        }
    }
    *this = std::move(converted);
}

TColor Bitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return 0;
    const std::uint8_t* p = ScanLine(y) + static_cast<std::ptrdiff_t>(x) * BytesPerPixel();
    return RGB(p[2], p[1], p[0]);
}

void Bitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return;
    const TColor rgb = ColorToRGB(color);
    std::uint8_t* p = ScanLine(y) + static_cast<std::ptrdiff_t>(x) * BytesPerPixel();
    p[0] = static_cast<std::uint8_t>(GetBValue(rgb));
    p[1] = static_cast<std::uint8_t>(GetGValue(rgb));
    p[2] = static_cast<std::uint8_t>(GetRValue(rgb));
    if (FFormat == TPixelFormat::pf32bit) p[3] = 255;
}

std::uint8_t Bitmap::Alpha(int x, int y) const {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return 0;
    if (FFormat != TPixelFormat::pf32bit) return 255;
    return ScanLine(y)[static_cast<std::ptrdiff_t>(x) * 4 + 3];
}

void Bitmap::Fill(TColor color, std::uint8_t alpha) { FillArea(BoundsRect(), color, alpha); }

void Bitmap::FillRect(const TRect& rect, TColor color) { FillArea(rect.Intersect(BoundsRect()), color, 255); }

void Bitmap::FillArea(const TRect& area, TColor color, std::uint8_t alpha) {
    if (area.IsEmpty()) return;
    const TColor rgb = ColorToRGB(color);
    const std::uint8_t px[4] = {static_cast<std::uint8_t>(GetBValue(rgb)), static_cast<std::uint8_t>(GetGValue(rgb)),
                                static_cast<std::uint8_t>(GetRValue(rgb)), alpha};
    const int bpp = BytesPerPixel();
    std::uint8_t* first = PixelAddress(area.Left, area.Top);
    for (int x = 0; x < area.Width(); ++x) std::memcpy(first + static_cast<std::ptrdiff_t>(x) * bpp, px, bpp);
    const std::size_t bytes = static_cast<std::size_t>(area.Width()) * bpp;
    for (int y = area.Top + 1; y < area.Bottom; ++y) std::memcpy(PixelAddress(area.Left, y), first, bytes);
}

void Bitmap::CopyRect(int x, int y, const Bitmap& source, const TRect& sourceRect) {
    const TRect inSource = sourceRect.Intersect(source.BoundsRect());
    if (inSource.IsEmpty()) return;
    x += inSource.Left - sourceRect.Left;
    y += inSource.Top - sourceRect.Top;
    const TRect target = Bounds(x, y, inSource.Width(), inSource.Height()).Intersect(BoundsRect());
    if (target.IsEmpty()) return;
    const TPoint from{inSource.Left + target.Left - x, inSource.Top + target.Top - y};
    // Within one bitmap a copy downwards must take the lower rows first.
    const bool upwards = &source == this && target.Top > from.Y;
    for (int i = 0; i < target.Height(); ++i) {
        const int row = upwards ? target.Height() - 1 - i : i;
        CopyPixels(PixelAddress(target.Left, target.Top + row), BytesPerPixel(),
                source.PixelAddress(from.X, from.Y + row), source.BytesPerPixel(), target.Width());
    }
}

void Bitmap::CopyPixels(std::uint8_t* d, int to, const std::uint8_t* s, int from, int count) {
    if (from == to) {
        std::memmove(d, s, static_cast<std::size_t>(count) * to);
        return;
    }
    for (int i = 0; i < count; ++i, s += from, d += to) {
        d[0] = s[0], d[1] = s[1], d[2] = s[2];
        if (to == 4) d[3] = 255;
    }
}

bool operator==(const Bitmap& a, const Bitmap& b) {
    if (a.FWidth != b.FWidth || a.FHeight != b.FHeight || a.FFormat != b.FFormat) return false;
    const std::size_t bytes = static_cast<std::size_t>(a.FWidth) * a.BytesPerPixel();
    for (int y = 0; y < a.FHeight; ++y)
        if (std::memcmp(a.ScanLine(y), b.ScanLine(y), bytes) != 0) return false;
    return true;
}
