// The hue rotation through HSV and the saturation change around the channel average.
#include "skin/data/HueSaturation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

double Limit255(double value) { return std::clamp(value, 0.0, 255.0); }
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

double HueDegrees(int r, int g, int b, int v, double k) {
    double rs = v - r * k;
    double gs = v - g * k;
    double bs = v - b * k;
    double h;
    if (r == v) h = bs - gs;
    else if (g == v) h = 120 + rs - bs;
    else h = 240 + gs - rs;
    return h < 0 ? h + 360 : h;
}

// Skin bitmaps use few distinct colours, so each pass remembers the colours it has computed.
template <class Shift>
class ColorMemo {
public:
    explicit ColorMemo(Shift shift) : FShift(shift) { FKeys.fill(Unused); }

    std::uint32_t Get(std::uint32_t rgb) {
        std::size_t slot = ((rgb * 2654435761u) >> 20) & (Size - 1);
        if (FKeys[slot] != rgb) {
            FKeys[slot] = rgb;
            FValues[slot] = static_cast<std::uint32_t>(FShift(static_cast<TColor>(rgb)));
        }
        return FValues[slot];
    }

private:
    static constexpr std::size_t Size = 4096;
    static constexpr std::uint32_t Unused = 0xFFFFFFFFu;
    Shift FShift;
    std::array<std::uint32_t, Size> FKeys;
    std::array<std::uint32_t, Size> FValues;
};

template <class Shift>
void ShiftPixels(Bitmap& bitmap, Shift shift) {
    if (bitmap.Format() != TPixelFormat::pf24bit) bitmap.SetFormat(TPixelFormat::pf24bit);
    ColorMemo<Shift> memo(shift);
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
            std::uint8_t b = p[0], g = p[1], r = p[2];
            if ((r == g && g == b) || (r == 255 && g == 0 && b == 255)) continue;
            std::uint32_t out = memo.Get(r | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16);
            p[0] = static_cast<std::uint8_t>(out >> 16);
            p[1] = static_cast<std::uint8_t>(out >> 8);
            p[2] = static_cast<std::uint8_t>(out);
        }
    }
}

} // namespace

TColor ShiftHue(TColor color, int hueOffset) {
    TColor rgb = ColorToRGB(color);
    int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    int v = std::max({r, g, b});
    int d = v - std::min({r, g, b});
    if (v == 0 || d == 0) return rgb;
    double s = static_cast<double>(d) / v;
    double hue = HueDegrees(r, g, b, v, 60.0 / d);
    int h2 = RoundEven(hueOffset % 360 + hue) % 360;
    if (h2 < 0) h2 += 360;
    double h = h2 / 60.0;
    int i = static_cast<int>(h);
    double f = h - i;
    double p = Limit255((1 - s) * v);
    double q = Limit255((1 - s * f) * v);
    double t = Limit255((1 - (1 - f) * s) * v);
    double vv = v;
    switch (i) {
    case 0: return RGB(RoundEven(vv), RoundEven(t), RoundEven(p));
    case 1: return RGB(RoundEven(q), RoundEven(vv), RoundEven(p));
    case 2: return RGB(RoundEven(p), RoundEven(vv), RoundEven(t));
    case 3: return RGB(RoundEven(p), RoundEven(q), RoundEven(vv));
    case 4: return RGB(RoundEven(t), RoundEven(p), RoundEven(vv));
    default: return RGB(RoundEven(vv), RoundEven(p), RoundEven(q));
    }
}

int SaturationAmount(int saturation) { return -(saturation % 101); }

TColor ShiftSaturation(TColor color, int amount) {
    if (amount == 0) return color;
    TColor rgb = ColorToRGB(color);
    int channels[3] = {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
    double average = (channels[0] + channels[1] + channels[2]) / 3.0;
    for (int& c : channels) c = RoundEven(Limit255(c + amount * ((average - c) / 100.0)));
    return RGB(channels[0], channels[1], channels[2]);
}

void ShiftBitmapHue(Bitmap& bitmap, int hueOffset) {
    if (hueOffset == 0) return;
    ShiftPixels(bitmap, [hueOffset](TColor c) { return ShiftHue(c, hueOffset); });
}

void ShiftBitmapSaturation(Bitmap& bitmap, int amount) {
    if (amount == 0) return;
    ShiftPixels(bitmap, [amount](TColor c) { return ShiftSaturation(c, amount); });
}
