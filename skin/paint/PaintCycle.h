// The platform's paint cycle around a skinned window's own painting.
#pragma once

#include "platform/window/WinTypes.h"

#include <functional>

// A paint or print message may bring the device to paint on; without one the window paints on
// its own: paint gets BeginPaint's device (nullptr when the window has none), and EndPaint
// follows even when paint throws, so the update region is never left half-validated.
void PaintInCycle(HWND window, HDC given, const std::function<void(HDC)>& paint);
