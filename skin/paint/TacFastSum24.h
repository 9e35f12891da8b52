// Alpha blend of one 24-bit bitmap over another by a transparency byte, row by row.
#pragma once

#include "platform/gfx/Bitmap.h"

#include <cstddef>
#include <cstdint>

// Attach a source and a destination, set Alpha, DstRect and SrcOrigin, then Blend. Attaching
// fails (width 0) when either bitmap is narrower or lower than 2 pixels or not of 24 bits.
class TacFastSum24 {
public:
    bool Attach(const Bitmap& source, Bitmap& destination);

    // For every destination byte d with source byte s at the same offset from the origins:
    // d := (d * Alpha + s * (255 - Alpha) + 127) div 256. Alpha 255 keeps the destination and 0
    // takes the source, both almost: every byte of 1 or more loses one.
    void Blend() const;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    std::uint8_t Alpha = 0;
    TRect DstRect;    // must lie inside the destination
    TPoint SrcOrigin; // source pixel blended onto DstRect's top-left; the rows must exist in the source

private:
    const Bitmap* FSource = nullptr;
    Bitmap* FDestination = nullptr;
    int FWidth = 0; // the smaller of the two widths
    int FHeight = 0;
};
