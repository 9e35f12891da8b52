// Rectangles whose Right and Bottom are the last column and row, as several skin routines take them.
#pragma once

#include "platform/gfx/Geometry.h"

inline TRect InclusiveOf(const TRect& r) {
    return {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
}
inline TRect ExclusiveOf(const TRect& inclusive) {
    return {inclusive.Left, inclusive.Top, inclusive.Right + 1, inclusive.Bottom + 1};
}
