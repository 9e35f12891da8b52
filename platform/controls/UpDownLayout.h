// Where an up-down's two arrow buttons lie, for the control and for whoever paints it instead.
#pragma once

#include "platform/gfx/Geometry.h"

// direction -1: the arrow that decreases (left, or the bottom one), +1 the other. Each takes half
// of the client area, the second half the odd pixel.
inline TRect UpDownArrowRect(const TRect& client, bool horizontal, int direction) {
    if (horizontal) {
        const int mid = client.Width() / 2;
        return direction < 0 ? TRect{0, 0, mid, client.Bottom} : TRect{mid, 0, client.Right, client.Bottom};
    }
    const int mid = client.Height() / 2;
    return direction > 0 ? TRect{0, 0, client.Right, mid} : TRect{0, mid, client.Right, client.Bottom};
}
