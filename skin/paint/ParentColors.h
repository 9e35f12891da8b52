// The two colours that stand for a parent's background while one painting runs.
#pragma once

#include "platform/gfx/Color.h"

// Process-wide because a child's painting asks its parent for its background colour through a
// window message, whose answer comes back here, and the painting routines several calls deeper
// read it without every signature carrying it. One thread paints; a painter sets them for the
// duration of one painting and resets both afterwards. The key colour means "not set".
extern TColor ParentFillColor; // stands for the parent's background where no parent image is used
extern TColor ParentKeyColor;  // what key-coloured corner pixels take without a parent image

inline bool IsParentColorSet(TColor color) {
    return color != clKeyColor;
}
void ResetParentColors();
