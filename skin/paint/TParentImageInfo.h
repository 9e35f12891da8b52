// What a control learns about the image of what lies behind it.
#pragma once

#include "platform/gfx/Bitmap.h"

struct TParentImageInfo {
    const Bitmap* Bmp = nullptr; // the parent's cached image (24- or 32-bit), not owned
    int X = 0;                   // added to a position in the parent's client area gives the
    int Y = 0;                   // position in Bmp
    bool Ready = false;          // Bmp holds a valid image; otherwise nothing else here counts

    // Ready with an image to read.
    bool HasImage() const { return Ready && Bmp && !Bmp->Empty(); }
    // The same image seen from a point (dx, dy) further into the parent.
    TParentImageInfo Shifted(int dx, int dy) const { return {Bmp, X + dx, Y + dy, Ready}; }
};
