// Reading the parent's image behind a target bitmap, whether it is 24- or 32-bit.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include <cstdint>

// Positions are in the target bitmap; the cache info's offset takes them into the parent image.
class TacParentImage {
public:
    // False when the info is not Ready or the image is narrower or lower than 2 pixels.
    bool Attach(const TParentImageInfo& info);
    bool Attached() const { return FImage != nullptr; }

    // The blue, green, red bytes behind target pixel (x, y); null outside the parent image.
    const std::uint8_t* At(int x, int y) const;

private:
    const Bitmap* FImage = nullptr;
    int FX = 0;
    int FY = 0;
};
