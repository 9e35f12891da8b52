// Smooth resampling of a bitmap rectangle to another size (bilinear up, area average down).
#pragma once

#include "platform/gfx/Bitmap.h"

#include <vector>

// Each axis is resampled on its own. Enlarging maps the first and last destination pixel exactly
// onto the first and last source pixel and interpolates between; shrinking averages the source
// area each destination pixel covers; equal sizes copy.
class ImageScaler {
public:
    // Scales source (sourceRect, inside the bitmap) to width x height and returns the part
    // visible (a rectangle within (0, 0, width, height)), in the source's pixel format.
    static Bitmap Scale(const Bitmap& source, const TRect& sourceRect, int width, int height, const TRect& visible);

private:
    struct Taps {
        std::vector<int> Start;   // per destination pixel: first index into Index/Weight
        std::vector<int> Index;   // source pixel
        std::vector<int> Weight;  // out of 256
    };
    static Taps AxisTaps(int sourceLength, int destLength, int firstDest, int lastDest);
};
