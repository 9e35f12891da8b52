// The layout of a container's children: aligned strips taken off the client area in the classic
// order, then anchored children moved for the area's size.
#pragma once

#include "platform/gfx/Geometry.h"

#include <vector>

class TControl;

class TAlignLayout {
public:
    // Lays out children (in z-order) inside rect; rect ends as what the aligned strips left.
    static void Arrange(const std::vector<TControl*>& children, TRect& rect);

private:
    // The visible children with that alignment, in their order on screen along its edge.
    static std::vector<TControl*> AlignedTo(const std::vector<TControl*>& children, int align);
    static void Place(TControl* control, int align, TRect& rect);
};
