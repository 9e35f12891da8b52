// The nine-piece frame of a borders mask.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include "skin/data/TsMaskData.h"

#include "platform/gfx/Bitmap.h"

// Draw mode bits of a borders mask.
enum : int {
    dmStretchEdges = 1, // edges and centre stretched (key-colour masks only), else tiled
    dmNotInNormal = 2,  // not drawn in state 0
    dmCentre = 4,       // the centre piece is drawn when the caller asks for it
};

// Draws the state's frame (the last state for higher states) around rect. Key-colour masks (mask
// type 0) copy their corners without magenta pixels, which show the parent image when
// useParentForKey is set and the parent is Ready, and copy edges and centre opaquely; alpha masks
// blend every piece through the mask, corners' magenta pixels as CopyThroughMask's corners.
// Nothing is drawn in state 0 with dmNotInNormal, for a rectangle narrower or lower than 2
// pixels, or for a mask without a skin.
void PaintBordersMask(Bitmap& bitmap, const TRect& rect, bool fillCentre, bool useParentForKey, int state,
                      TsMaskData& mask, const TParentImageInfo& parent);
