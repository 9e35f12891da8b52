// Helpers of the skin painting tests: bitmaps with known pixels and skins loaded from them.
#pragma once

#include "skin/data/TsSkinModel.h"

#include "platform/gfx/Bitmap.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

Bitmap Solid(int width, int height, TColor color);
// Every pixel a different colour, so misplaced copies show.
Bitmap Numbered(int width, int height);

// A packed skin archive holding the options text, the master bitmap as MASTER.BMP and the further
// named bitmaps.
std::vector<std::uint8_t> PackTestSkin(const std::string& options, const Bitmap& master,
                                       const std::vector<std::pair<std::string, Bitmap>>& files = {});
// Builds the model through the real loader from such an archive.
void LoadTestSkin(TsSkinModel& model, const std::string& options, const Bitmap& master,
                  const std::vector<std::pair<std::string, Bitmap>>& files = {});

// Nearest integer with halves to even, in the double arithmetic of the formulas.
inline int RoundEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// Colour made of three channel values computed by fn(channel of a, channel of b).
template <class Fn> TColor PerChannel(TColor a, TColor b, Fn&& fn) {
    return RGB(fn(GetRValue(a), GetRValue(b)), fn(GetGValue(a), GetGValue(b)),
               fn(GetBValue(a), GetBValue(b)));
}
