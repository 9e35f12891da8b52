// The common paint handler of skinned controls: rebuild the cached image when needed and copy it.
#pragma once

#include "platform/gfx/DeviceContext.h"

class TacSkinnedControl;

// For a skinned control: nothing while painting is suspended; otherwise the image is rebuilt
// (PrepareCache) when it is invalid or depended on the parent's image, unless updates are locked,
// and copied to the device at (0, 0) (the control's top-left: a graphic control's parent moves
// the origin there). False when the control is not skinned: it paints in its plain look.
bool PaintFromCache(TacSkinnedControl& control, HDC dc);
