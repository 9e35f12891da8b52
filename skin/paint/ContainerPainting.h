// How a skinned container puts its cached image on the screen around its children: the image
// around them, its graphic children over copies of it, and the news to its windowed children.
#pragma once

#include "platform/gfx/DeviceContext.h"

class TWinControl;
class TsCommonData;

// The container's image from sourceOffset onto d of the device, with its corners restored first
// when asked. Visible children over d that are graphic, opaque or designed keep their bounds
// untouched; the platform keeps the other windowed children out itself.
void CopyCacheExcludingChildren(TWinControl& container, TsCommonData& data, TPoint sourceOffset, const TRect& d,
                                HDC dc, bool restoreCorners);

// The container's graphic children paint themselves into an off-screen copy of the container's
// image (or their Color, when opaque) and each is copied to the device in one piece: with
// CopyCacheExcludingChildren every pixel of a child reaches the device once, in its final colour.
// A child that leaves its top-left pixel magenta is not copied. With an empty clipping box the
// container only learns that its image depends on its parent.
void PaintGraphicChildren(HDC dc, TWinControl& container);

// The windowed children hear that the container painted (those whose painting waited repaint):
// by their window when it is showing, else by a direct call. The walk stops at a child that fails.
void NotifyChildrenRepainted(TWinControl& container);
