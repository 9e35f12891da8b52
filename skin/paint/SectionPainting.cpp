// The manager-level painting entry points over the section painter.
#include "skin/paint/SectionPainting.h"

#include "skin/paint/TacSectionPainter.h"
#include "skin/paint/WorkBitmap.h"

#include "skin/data/TsSkinManager.h"

TsSkinModel* SkinOf(TsSkinManager* manager) {
    if (!manager) manager = TsSkinManager::DefaultManager();
    return manager ? &manager->Model() : nullptr;
}

void PaintSectionBackground(int sectionIndex, std::string_view sectionName, const TParentImageInfo& parent,
                            TColor customColor, int hotPatternIndex, int patternIndex, TsSkinManager* manager,
                            Bitmap* bmp, TPoint pos, const TRect& r, int state) {
    TsSkinModel* skin = SkinOf(manager);
    if (!skin || !bmp) return;
    TacSectionPainter(*skin, sectionIndex, sectionName)
        .Background({*bmp, pos, r, state, parent}, customColor, hotPatternIndex, patternIndex);
}

void PaintSkinSectionByIndex(int sectionIndex, std::string_view sectionName, const TParentImageInfo& parent,
                             int hotPatternIndex, int patternIndex, TsSkinManager* manager, Bitmap* bmp,
                             TPoint pos, const TRect& r, int state, bool fillCentre) {
    TsSkinModel* skin = SkinOf(manager);
    if (!skin || !bmp) return;
    TacSectionPainter(*skin, sectionIndex, sectionName)
        .ByIndex({*bmp, pos, r, state, parent}, hotPatternIndex, patternIndex, fillCentre);
}

void PaintSkinSectionResolved(int sectionIndex, int bordersMaskIndex, int patternIndex,
                              TsSkinManager* manager, Bitmap* bmp, TPoint pos, const TRect& r, int state,
                              bool fillCentre, const TParentImageInfo& parent, std::string_view sectionName,
                              int hotPatternIndex) {
    TsSkinModel* skin = SkinOf(manager);
    if (!skin || !bmp) return;
    TacSectionPainter(*skin, sectionIndex, sectionName)
        .Resolved({*bmp, pos, r, state, parent}, bordersMaskIndex, hotPatternIndex, patternIndex, fillCentre);
}

void PaintSectionToDC(int sectionIndex, std::string_view sectionName, const TParentImageInfo& parent,
                      TsSkinManager* manager, HDC dc, TPoint pos, const TRect& r, int state,
                      bool fillCentre) {
    if (!dc || r.Left < 0 || r.Top < 0 || r.IsEmpty()) return;
    Bitmap image = CreateWorkBitmap(r.Width(), r.Height());
    PaintSkinSectionByIndex(sectionIndex, sectionName, parent, -1, -1, manager, &image, pos,
                            image.BoundsRect(), state, fillCentre);
    dc->DrawBitmap(r.Left, r.Top, image, image.BoundsRect());
}
