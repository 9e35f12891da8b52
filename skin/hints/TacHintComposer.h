// Joins a hint's body, mask and shadowed background into what the screen shows: a per-pixel
// alpha image for a layered window, or one opaque image over the captured screen.
#pragma once

#include "platform/gfx/Bitmap.h"

class TacHintComposer {
public:
    // 32-bit premultiplied: the body (opaque) where the mask is not white; outside the shape black
    // with alpha 255 minus the work bitmap's level (the shadow's darkness over white).
    static Bitmap LayeredImage(const Bitmap& body, const Bitmap& mask, const Bitmap& work);
    // Per channel over work: the body where the mask is black, work where it is white, between
    // them (m * (w - b) + b * 256) div 256 for mask level m.
    static void Combine(Bitmap& work, const Bitmap& body, const Bitmap& mask);
};
