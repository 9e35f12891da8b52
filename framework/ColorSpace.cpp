// The standard conversions between RGB and HSL.
#include "framework/ColorSpace.h"

#include <algorithm>
#include <cmath>

THsl RGBToHSL(TColor color) {
    color = ColorToRGB(color);
    const double r = GetRValue(color) / 255.0, g = GetGValue(color) / 255.0, b = GetBValue(color) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double lightness = (high + low) / 2;
    THsl hsl;
    hsl.Lightness = static_cast<int>(std::lround(lightness * 100));
    const double range = high - low;
    if (range <= 0) return hsl;
    const double saturation = range / (1 - std::fabs(2 * lightness - 1));
    double hue = high == r   ? std::fmod((g - b) / range, 6.0)
                 : high == g ? (b - r) / range + 2
                             : (r - g) / range + 4;
    hue *= 60;
    if (hue < 0) hue += 360;
    hsl.Hue = static_cast<int>(std::lround(hue)) % 360;
    hsl.Saturation = static_cast<int>(std::lround(std::min(1.0, saturation) * 100));
    return hsl;
}

TColor HSLToRGB(THsl hsl) {
    const double hue = ((hsl.Hue % 360) + 360) % 360;
    const double saturation = std::clamp(hsl.Saturation, 0, 100) / 100.0;
    const double lightness = std::clamp(hsl.Lightness, 0, 100) / 100.0;
    const double chroma = (1 - std::fabs(2 * lightness - 1)) * saturation;
    const double x = chroma * (1 - std::fabs(std::fmod(hue / 60, 2.0) - 1));
    const double m = lightness - chroma / 2;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hue / 60)) {
    case 0:
        r = chroma, g = x;
        break;
    case 1:
        r = x, g = chroma;
        break;
    case 2:
        g = chroma, b = x;
        break;
    case 3:
        g = x, b = chroma;
        break;
    case 4:
        r = x, b = chroma;
        break;
    default:
        r = chroma, b = x;
        break;
    }
    auto channel = [m](double v) { return std::clamp(static_cast<int>(std::lround((v + m) * 255)), 0, 255); };
    return RGB(channel(r), channel(g), channel(b));
}
