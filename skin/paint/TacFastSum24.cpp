// The transparency-byte blend over whole rows.
#include "skin/paint/TacFastSum24.h"

#include "skin/paint/PixelMath.h"

#include <algorithm>
#include <cstring>

namespace {

// Eight bytes at a time in 16-bit lanes: the compiler's vector types say so portably, where the
// auto-vectoriser at -O2 would keep the loop scalar.
using TBytes8 = std::uint8_t __attribute__((vector_size(8)));
using TWords8 = std::uint16_t __attribute__((vector_size(16)));

void BlendRow(std::uint8_t* d, const std::uint8_t* s, int bytes, std::uint16_t a, std::uint16_t rest) {
    int i = 0;
    for (; i + 8 <= bytes; i += 8) {
        TBytes8 dv, sv;
        std::memcpy(&dv, d + i, 8);
        std::memcpy(&sv, s + i, 8);
        const TWords8 blended = PixelMath::KeepDestinationWords(
            __builtin_convertvector(dv, TWords8), __builtin_convertvector(sv, TWords8), a, rest);
        const TBytes8 out = __builtin_convertvector(blended, TBytes8);
        std::memcpy(d + i, &out, 8);
    }
    for (; i < bytes; ++i) d[i] = PixelMath::KeepDestination(d[i], s[i], a, rest);
}

} // namespace

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
    const std::uint16_t a = Alpha;
    const std::uint16_t rest = 255 - a;
    for (int row = 0; row < DstRect.Height(); ++row) {
        std::uint8_t* d = FDestination->PixelAddress(DstRect.Left, DstRect.Top + row);
        const std::uint8_t* s = FSource->PixelAddress(SrcOrigin.X, SrcOrigin.Y + row);
        BlendRow(d, s, bytes, a, rest);
    }
}
