// Painting a control's section through its binding: the whole element, the background alone,
// the caption text and the repair of see-through corners of the cached image.
#pragma once

#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TParentImageInfo.h"
#include "skin/paint/TransparentCorners.h"

#include "platform/gfx/Bitmap.h"

#include <string_view>

class TCanvas;
class TsCommonData;

// The section background with the binding's indexes and manager; with CustomColor set it is an
// opaque fill of the control's Color (a form's binding: the form's colour).
void PaintControlBackground(TsCommonData& data, const TParentImageInfo& parent, int state, Bitmap& bmp,
                            TPoint pos, const TRect& r);

// The whole element of a control: background (the parent's colour standing in for it where it has
// no image, or where the control's look does not depend on that image), borders mask, corner
// images. pos is r's top-left in the parent's client area. Nothing without a bitmap, a manager, a
// valid section, or when r does not lie inside bmp.
void PaintSkinSection(TsCommonData& data, const TParentImageInfo& parent, bool fillCentre, int state,
                      const TRect& r, TPoint pos, Bitmap* bmp, bool useParentForKey);

// The caption in the control's font, clipped to r: disabled text 40 percent of the way from the
// section's colour to its font colour; enabled skinned text with its contours and the state's font
// colour unless CustomFont; unskinned text in the font's own colour.
void DrawSkinText(TCanvas& canvas, std::string_view text, bool enabled, bool hot, TsCommonData& data,
                  unsigned format, const TRect& r);

// The key-coloured pixels of the borders mask's corners (codes 1 top-left, 2 bottom-left, 4
// top-right, 8 bottom-right, 15 all) take the parent's background in the cached image.
void RestoreTransparentCorners(TsCommonData& data, int state, int corners);

// The disabled look over the whole cached image, blended toward the parent behind the control.
void ApplyControlDisabledLook(TsCommonData& data, TsDisabledKind kind, const TParentImageInfo& parent);
