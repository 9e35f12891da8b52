// Places images in the master bitmap: shelves of images, tallest first, in a fixed width.
#pragma once

#include "platform/gfx/Geometry.h"

#include <vector>

class AtlasPacker {
public:
    explicit AtlasPacker(int width) : FWidth(width) {}

    // Rectangles for the given sizes, in the same order; the same sizes always give the same
    // places. Images wider than the atlas widen it.
    std::vector<TRect> Place(const std::vector<TSize>& sizes);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

private:
    int FWidth;
    int FHeight = 0;
};
