// Copying the outer ring of a control's image to a device: the frame of edit-like controls.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"

// The image's outer `thickness` pixels on every side, at the same place on the device (the
// device's origin at the control's top-left); the inside is left alone.
void CopyImageRing(HDC dc, const Bitmap& image, int thickness);
