// Solid, inverting and copying writes of clipped pixel runs.
#include "platform/gfx/SpanTarget.h"

void SpanTarget::FillSpan(int y, int x0, int x1, TColor rgb) const {
    const std::uint8_t b = static_cast<std::uint8_t>(GetBValue(rgb));
    const std::uint8_t g = static_cast<std::uint8_t>(GetGValue(rgb));
    const std::uint8_t r = static_cast<std::uint8_t>(GetRValue(rgb));
    const bool alpha = FTarget.Format() == TPixelFormat::pf32bit;
    ForEachVisibleSpan(y, x0, x1, [&](int a, int e) {
        std::uint8_t* p = Address(a, y);
        if (alpha) {
            for (int x = a; x < e; ++x, p += 4) p[0] = b, p[1] = g, p[2] = r, p[3] = 255;
        } else {
            for (int x = a; x < e; ++x, p += 3) p[0] = b, p[1] = g, p[2] = r;
        }
    });
}

void SpanTarget::InvertSpan(int y, int x0, int x1) const {
    const int bpp = FTarget.BytesPerPixel();
    ForEachVisibleSpan(y, x0, x1, [&](int a, int e) {
        std::uint8_t* p = Address(a, y);
        for (int x = a; x < e; ++x, p += bpp) p[0] ^= 0xFF, p[1] ^= 0xFF, p[2] ^= 0xFF;
    });
}

void SpanTarget::FillRect(const TRect& rect, TColor rgb) const {
    for (int y = rect.Top; y < rect.Bottom; ++y) FillSpan(y, rect.Left, rect.Right, rgb);
}

void SpanTarget::Copy(int x, int y, int width, int height, const Bitmap& source, int sx, int sy) const {
    const int from = source.BytesPerPixel();
    const int to = FTarget.BytesPerPixel();
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* srcRow = source.ScanLine(sy + row);
        ForEachVisibleSpan(y + row, x, x + width, [&](int a, int e) {
            Bitmap::CopyPixels(Address(a, y + row), to, srcRow + static_cast<std::ptrdiff_t>(sx + a - x) * from, from, e - a);
        });
    }
}
