// Stored window geometry made to fit the screen it is shown on.
#pragma once

#include "platform/gfx/Geometry.h"

// The bounds a window gets from stored values that may come from another screen or a hand-edited
// file: its size between `smallest` and the work area's, then its place moved just enough to lie
// on the work area, so that its title bar is always in reach. Values that already fit are kept.
// Works for any 32-bit values, also where left + width would not fit in 32 bits.
TRect FitToWorkArea(int left, int top, int width, int height, const TRect& workArea, TSize smallest);
