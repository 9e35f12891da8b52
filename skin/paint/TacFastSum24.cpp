// The transparency-byte blend over whole rows.
#include "skin/paint/TacFastSum24.h"

#include "skin/paint/PixelMath.h"

#include <algorithm>

bool TacFastSum24::Attach(const Bitmap& source, Bitmap& destination) {
    const auto usable = [](const Bitmap& b) {
        return b.Width() >= 2 && b.Height() >= 2 && b.Format() == TPixelFormat::pf24bit;
    };
    if (!usable(source) || !usable(destination)) {
        FWidth = FHeight = 0;
        FSource = nullptr;
        FDestination = nullptr;
        return false;
    }
    FSource = &source;
    FDestination = &destination;
    FWidth = std::min(source.Width(), destination.Width());
    FHeight = std::min(source.Height(), destination.Height());
    return true;
}

void TacFastSum24::Blend() const {
    if (FWidth == 0 || DstRect.IsEmpty()) return;
    const int bytes = 3 * DstRect.Width();
    const int a = Alpha;
    for (int row = 0; row < DstRect.Height(); ++row) {
        std::uint8_t* d = FDestination->PixelAddress(DstRect.Left, DstRect.Top + row);
        const std::uint8_t* s = FSource->PixelAddress(SrcOrigin.X, SrcOrigin.Y + row);
        for (int i = 0; i < bytes; ++i) d[i] = PixelMath::KeepDestination(d[i], s[i], a);
    }
}
