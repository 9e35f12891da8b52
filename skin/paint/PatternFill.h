// Pattern fills: pictures and texture images tiled or stretched over a rectangle.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include "skin/data/TsMaskData.h"

#include "platform/gfx/Bitmap.h"

// What a pattern fill reports when it left nothing of its rectangle uncovered.
constexpr TRect NothingLeft{-1, -1, -1, -1};

// The image repeated over rect from its top-left; nothing for an empty image.
void TileImage(Bitmap& bitmap, const TRect& rect, const Bitmap& image);

// With a picture (not empty) the picture is tiled over all of rect. Otherwise the tile is the
// first state image of the texture entry, and mode decides what is drawn: 0 tiles, 1 stretched,
// 2 a row of tiles along the top, 3 a column along the left, 4 stretched to the width along the
// top, 5 stretched to the height along the left, 6 a row along the bottom, 7 a column along the
// right (in the phase of tiles from the left), 10 whole rows of tiles leaving the strip below
// them unpainted. Other modes draw nothing. On return rect is the part left for the section
// colour, or NothingLeft.
void FillPattern(Bitmap& bitmap, TRect& rect, const Bitmap* picture, int mode, const TsMaskData* texture);

// A texture of mask type 1 or more through its alpha mask: mode 0 tiles all of rect, mode 10
// whole tiles only, with the strips right of and below them taken from the parent image (or
// ParentKeyColor). Magenta texture pixels take ParentKeyColor when set, else the parent's pixel.
// Other modes draw nothing. On return rect is NothingLeft.
void FillMaskedPattern(Bitmap& bitmap, TRect& rect, const TParentImageInfo& parent, int mode,
                       const TsMaskData& texture);
