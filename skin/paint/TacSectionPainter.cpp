// Whole elements of a section: the order of their layers and the rules each painter keeps.
#include "skin/paint/TacSectionPainter.h"

#include "skin/paint/BordersMask.h"
#include "skin/paint/MaskedImage.h"
#include "skin/paint/TacMaskView.h"

TacSectionPainter::TacSectionPainter(TsSkinModel& skin, int sectionIndex, std::string_view sectionName)
    : FSkin(skin), FSectionIndex(sectionIndex), FSectionName(sectionName),
      FValid(sectionIndex >= 0 && sectionIndex < static_cast<int>(skin.GeneralData.size())) {}

bool TacSectionPainter::Fits(const Bitmap* bmp, const TRect& r) {
    return bmp && r.Left >= 0 && r.Top >= 0 && r.Right <= bmp->Width() && r.Bottom <= bmp->Height();
}

void TacSectionPainter::Background(const TacBackgroundTarget& target, TColor customColor, int hotPatternIndex,
                                   int patternIndex, const TacBackgroundRules& rules) const {
    if (!FValid) return;
    TacBackgroundPainter(FSkin, FSectionIndex, FSectionName, rules)
        .Paint(target, customColor, hotPatternIndex, patternIndex);
}

void TacSectionPainter::Corners(Bitmap& bmp, const TRect& r, int state) const {
    if (!FValid) return;
    struct TCorner {
        const char* Key;
        bool Right;
        bool Bottom;
    };
    static constexpr TCorner corners[] = {{"IMGTOPLEFT", false, false},
                                          {"IMGTOPRIGHT", true, false},
                                          {"IMGBTMLEFT", false, true},
                                          {"IMGBTMRIGHT", true, true}};
    for (const TCorner& corner : corners) {
        const int index = FSkin.MaskIndex(FSectionIndex, FSectionName, corner.Key);
        if (index < 0) continue;
        const TsMaskData& mask = FSkin.Masks[static_cast<std::size_t>(index)];
        const TacMaskView view(mask);
        const TPoint at{corner.Right ? r.Right - view.StateWidth() : r.Left,
                        corner.Bottom ? r.Bottom - view.StateHeight() : r.Top};
        DrawSkinImage(bmp, at, state, mask, 1);
    }
}

void TacSectionPainter::Borders(Bitmap& bmp, const TRect& r, int state, bool fillCentre, bool useParentForKey,
                                const TParentImageInfo& parentBehind) const {
    if (!FValid) return;
    BordersByIndex(FSkin.MaskIndex(FSectionIndex, FSectionName, "BORDERSMASK"), bmp, r, state, fillCentre,
                   useParentForKey, parentBehind);
}

void TacSectionPainter::BordersByIndex(int maskIndex, Bitmap& bmp, const TRect& r, int state, bool fillCentre,
                                       bool useParentForKey, const TParentImageInfo& parentBehind) const {
    if (maskIndex < 0 || maskIndex >= static_cast<int>(FSkin.Masks.size())) return;
    PaintBordersMask(bmp, r, fillCentre, useParentForKey, state,
                     FSkin.Masks[static_cast<std::size_t>(maskIndex)], parentBehind);
}

void TacSectionPainter::ByIndex(const TacBackgroundTarget& t, int hotPatternIndex, int patternIndex,
                                bool fillCentre) const {
    if (!FValid || !Fits(&t.Bmp, t.Rect)) return;
    Background(t, clKeyColor, hotPatternIndex, patternIndex);
    Corners(t.Bmp, t.Rect, t.State);
    Borders(t.Bmp, t.Rect, t.State, fillCentre, true, ParentBehind(t.Parent, t.Pos, t.Rect));
}

void TacSectionPainter::Resolved(const TacBackgroundTarget& t, int bordersMaskIndex, int hotPatternIndex,
                                 int patternIndex, bool fillCentre) const {
    if (!FValid || !Fits(&t.Bmp, t.Rect)) return;
    TacBackgroundRules rules;
    rules.LookUpPatterns = false;
    rules.ParentFillColorStandsIn = false;
    rules.PatternShareOf256 = true;
    Background(t, clKeyColor, hotPatternIndex, patternIndex, rules);
    BordersByIndex(bordersMaskIndex, t.Bmp, t.Rect, t.State, fillCentre, true,
                   ParentBehind(t.Parent, t.Pos, t.Rect));
}
