// Working bitmaps, the off-screen images every skinned element is painted into, and solid fills.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"

// A new 24-bit device-independent bitmap; its pixels are not meant to be read before painting.
Bitmap CreateWorkBitmap(int width, int height);
// The 32-bit variant (blue, green, red, alpha), only for reading parent images that are 32-bit.
Bitmap CreateWorkBitmap32(int width, int height);

// Fills the rectangle (right and bottom exclusive) with the colour; system colours are resolved.
void FillSolidRect(Bitmap& bitmap, const TRect& rect, TColor color);
void FillSolidRect(HDC dc, const TRect& rect, TColor color);
