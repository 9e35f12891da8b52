// Colour blends and grey conversion over whole rows.
#include "skin/paint/ColorBlend.h"

#include "skin/paint/PixelMath.h"

#include <algorithm>
#include <array>

using namespace PixelMath;

namespace {

// The blend result for every old value of one channel, so the row loop only looks values up.
std::array<std::uint8_t, 256> TowardTable(double keep, int channel) {
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v)
        table[static_cast<std::size_t>(v)] = Clamp255(RoundToInt(keep * v + (1 - keep) * channel));
    return table;
}

template <class Fn> void ForEachPixel(Bitmap& bitmap, Fn&& fn) {
    const int bpp = bitmap.BytesPerPixel();
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += bpp) fn(p);
    }
}

} // namespace

void BlendColorRect(Bitmap& bitmap, TRect r, int percent, TColor color) {
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, bitmap.Width() - 1);
    r.Bottom = std::min(r.Bottom, bitmap.Height() - 1);
    if (r.Right < r.Left || r.Bottom < r.Top) return;
    const TColor rgb = ColorToRGB(color);
    const double keep = percent / 100.0;
    const auto blue = TowardTable(keep, GetBValue(rgb));
    const auto green = TowardTable(keep, GetGValue(rgb));
    const auto red = TowardTable(keep, GetRValue(rgb));
    const int bpp = bitmap.BytesPerPixel();
    for (int y = r.Top; y <= r.Bottom; ++y) {
        std::uint8_t* p = bitmap.PixelAddress(r.Left, y);
        for (int x = r.Left; x <= r.Right; ++x, p += bpp) {
            p[0] = blue[p[0]];
            p[1] = green[p[1]];
            p[2] = red[p[2]];
        }
    }
}

TColor MixColors(TColor a, TColor b, double factor) {
    const TColor ra = ColorToRGB(a);
    const TColor rb = ColorToRGB(b);
    const auto mix = [factor](int x, int y) { return Clamp255(RoundToInt(factor * (x - y) + y)); };
    const auto high = static_cast<std::uint32_t>(IsSystemColor(a) ? ra : a) & 0xFF000000u;
    return static_cast<TColor>(high | static_cast<std::uint32_t>(RGB(mix(GetRValue(ra), GetRValue(rb)),
                                                                     mix(GetGValue(ra), GetGValue(rb)),
                                                                     mix(GetBValue(ra), GetBValue(rb)))));
}

void GrayscaleBitmap(Bitmap& bitmap) {
    ForEachPixel(bitmap, [](std::uint8_t* p) { p[0] = p[1] = p[2] = Grey(p); });
}

void GrayscaleExceptKey(Bitmap& bitmap, TColor key) {
    const TPixelBytes k(ColorToRGB(key));
    ForEachPixel(bitmap, [&k](std::uint8_t* p) {
        if (!k.Matches(p)) p[0] = p[1] = p[2] = Grey(p);
    });
}
