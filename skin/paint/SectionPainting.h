// Painting skin sections by the skin manager's loaded skin, the entry points of the controls,
// windows, menus and hints. A missing skin manager means the default one.
#pragma once

#include "skin/paint/TParentImageInfo.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"

#include <string_view>

class TsSkinManager;
class TsSkinModel;

// The manager's skin (the default manager's without one); null when there is no manager at all.
TsSkinModel* SkinOf(TsSkinManager* manager);

// The section's background for the state with its transparency over the parent: pattern,
// gradient and colour by their shares. Pattern indexes of -1 are looked up by the section's keys.
// A custom colour other than the key colour paints an opaque plain fill of that colour.
void PaintSectionBackground(int sectionIndex, std::string_view sectionName, const TParentImageInfo& parent,
                            TColor customColor, int hotPatternIndex, int patternIndex, TsSkinManager* manager,
                            Bitmap* bmp, TPoint pos, const TRect& r, int state);

// The whole element for windows and parts without a control binding: background, corner images,
// then the borders mask with key pixels showing the parent. Nothing when r does not lie in bmp.
void PaintSkinSectionByIndex(int sectionIndex, std::string_view sectionName, const TParentImageInfo& parent,
                             int hotPatternIndex, int patternIndex, TsSkinManager* manager, Bitmap* bmp,
                             TPoint pos, const TRect& r, int state, bool fillCentre);

// The whole element from indexes the caller keeps: patterns as handed in, the borders mask by
// its index, no corner images.
void PaintSkinSectionResolved(int sectionIndex, int bordersMaskIndex, int patternIndex,
                              TsSkinManager* manager, Bitmap* bmp, TPoint pos, const TRect& r, int state,
                              bool fillCentre, const TParentImageInfo& parent, std::string_view sectionName,
                              int hotPatternIndex);

// The whole element painted off-screen and copied to the device at r's top-left; nothing for an
// empty r or one with a negative left or top.
void PaintSectionToDC(int sectionIndex, std::string_view sectionName, const TParentImageInfo& parent,
                      TsSkinManager* manager, HDC dc, TPoint pos, const TRect& r, int state, bool fillCentre);
