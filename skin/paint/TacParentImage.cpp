// Attaching to a parent image and looking up the pixel behind a target position.
#include "skin/paint/TacParentImage.h"

bool TacParentImage::Attach(const TParentImageInfo& info) {
    FImage = nullptr;
    if (!info.Ready || !info.Bmp || info.Bmp->Width() < 2 || info.Bmp->Height() < 2) return false;
    FImage = info.Bmp;
    FX = info.X;
    FY = info.Y;
    return true;
}

const std::uint8_t* TacParentImage::At(int x, int y) const {
    const int px = x + FX;
    const int py = y + FY;
    if (!FImage || px < 0 || py < 0 || px >= FImage->Width() || py >= FImage->Height()) return nullptr;
    return FImage->PixelAddress(px, py);
}
