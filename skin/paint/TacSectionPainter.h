// Painting one section of a loaded skin as a whole element: background, corner images, borders.
#pragma once

#include "skin/paint/TacBackgroundPainter.h"

#include "skin/data/TsSkinModel.h"

#include <string>
#include <string_view>

// Every operation does nothing when the section index is not one of the skin's sections. The
// parent image info a caller hands in is as its parent gave it; the painter moves it by the
// element's position so that it also serves the pixels of the painted bitmap.
class TacSectionPainter {
public:
    TacSectionPainter(TsSkinModel& skin, int sectionIndex, std::string_view sectionName);

    bool Valid() const { return FValid; }
    // R lies inside the bitmap: what the whole-element painters require.
    static bool Fits(const Bitmap* bmp, const TRect& r);
    // A position in the painted bitmap plus this offset is the position in the parent's image.
    static TParentImageInfo ParentBehind(const TParentImageInfo& parent, TPoint pos, const TRect& r) {
        return parent.Shifted(pos.X - r.Left, pos.Y - r.Top);
    }

    void Background(const TacBackgroundTarget& target, TColor customColor, int hotPatternIndex,
                    int patternIndex, const TacBackgroundRules& rules = {}) const;
    // IMGTOPLEFT, IMGTOPRIGHT, IMGBTMLEFT and IMGBTMRIGHT in their corners of r, where the section has them.
    void Corners(Bitmap& bmp, const TRect& r, int state) const;
    // The BORDERSMASK of the section, where it has one; parentBehind as ParentBehind gives it.
    void Borders(Bitmap& bmp, const TRect& r, int state, bool fillCentre, bool useParentForKey,
                 const TParentImageInfo& parentBehind) const;
    // The borders mask by its index in the skin, where valid.
    void BordersByIndex(int maskIndex, Bitmap& bmp, const TRect& r, int state, bool fillCentre,
                        bool useParentForKey, const TParentImageInfo& parentBehind) const;

    // The element for windows and parts without a control binding: background, corners, borders.
    void ByIndex(const TacBackgroundTarget& target, int hotPatternIndex, int patternIndex,
                 bool fillCentre) const;
    // The element with indexes the caller keeps itself: background by the resolved rules, then
    // the borders mask; no corner images.
    void Resolved(const TacBackgroundTarget& target, int bordersMaskIndex, int hotPatternIndex,
                  int patternIndex, bool fillCentre) const;

private:
    TsSkinModel& FSkin;
    int FSectionIndex;
    std::string FSectionName;
    bool FValid;
};
