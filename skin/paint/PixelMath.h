// The per-channel formulas of the skin painting, each in one place for every routine that blends.
#pragma once

#include "platform/gfx/Color.h"

#include <algorithm>
#include <cstdint>

namespace PixelMath {

// Nearest integer, halves to even (the rounding of the skin code), for |x| < 2^51: adding and
// taking away 1.5 * 2^52 leaves the double rounded in the default rounding mode. Cheaper than a
// library call per channel; it needs strict IEEE arithmetic, which the build keeps.
inline double RoundHalfEven(double x) {
    constexpr double shifter = 6755399441055744.0;
    return (x + shifter) - shifter;
}

inline int RoundToInt(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

inline std::uint8_t Clamp255(int v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

// The alpha byte of a transparency or share in percent: what of 255 the destination keeps.
inline std::uint8_t PercentToAlpha(int percent) {
    return Clamp255(percent * 255 / 100);
}

// Image s over destination d through mask byte m: black (0) shows the image, white keeps d.
inline std::uint8_t ThroughMask(int d, int s, int m) {
    return Clamp255(((d - s) * m + s * 256) / 256);
}

// Destination d keeps a parts in 255 of itself and the source s gets rest = 255 - a parts. The
// sum stays below 65536, so 16-bit lanes hold it: TWords is a 16-bit integer or a vector of them.
template <class TWords> TWords KeepDestinationWords(TWords d, TWords s, std::uint16_t a, std::uint16_t rest) {
    return static_cast<TWords>(static_cast<TWords>(d * a + s * rest + 127) >> 8);
}

inline std::uint8_t KeepDestination(std::uint16_t d, std::uint16_t s, std::uint16_t a, std::uint16_t rest) {
    return static_cast<std::uint8_t>(KeepDestinationWords<std::uint16_t>(d, s, a, rest));
}

// (1 - f) * s + f * d, rounded.
inline std::uint8_t SourceToward(int s, int d, double f) {
    return Clamp255(RoundToInt(s - f * (s - d)));
}

// The average of the three channels of a blue, green, red pixel.
inline std::uint8_t Grey(const std::uint8_t* p) {
    return static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
}

// Blue, green and red bytes of an RGB colour, in pixel order.
struct TPixelBytes {
    std::uint8_t B = 0;
    std::uint8_t G = 0;
    std::uint8_t R = 0;

    explicit TPixelBytes(TColor rgb)
        : B(static_cast<std::uint8_t>(GetBValue(rgb))), G(static_cast<std::uint8_t>(GetGValue(rgb))),
          R(static_cast<std::uint8_t>(GetRValue(rgb))) {}
    bool Matches(const std::uint8_t* p) const { return p[0] == B && p[1] == G && p[2] == R; }
    void Store(std::uint8_t* p) const { p[0] = B, p[1] = G, p[2] = R; }
};

// Magenta, the key colour of skin images.
inline bool IsKeyPixel(const std::uint8_t* p) {
    return p[0] == 255 && p[1] == 0 && p[2] == 255;
}

} // namespace PixelMath
