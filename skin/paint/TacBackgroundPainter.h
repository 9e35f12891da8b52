// The background of a section for one state: pattern, gradient and colour by their shares, and
// the element's transparency over what lies behind it.
#pragma once

#include "skin/paint/TParentImageInfo.h"
#include "skin/paint/TacSectionLook.h"

#include "skin/data/TsSkinModel.h"

#include <string_view>

// Where the painters of whole elements differ in their background.
struct TacBackgroundRules {
    // Pattern indexes of -1 are looked up by the section's PATTERN or HOTPATTERN key (pictures
    // too), and fill-mode-10 alpha textures are drawn again over the finished background in state 0.
    // Otherwise the indexes are taken as they are handed in.
    bool LookUpPatterns = true;
    // Where the element shows its parent, ParentFillColor (when set) stands for the parent's image.
    bool ParentFillColorStandsIn = true;
    // The gradient over a pattern keeps IP * 256 div 100 (at most 255) parts of the pattern
    // instead of IP * 255 div 100.
    bool PatternShareOf256 = false;
};

struct TacBackgroundTarget {
    Bitmap& Bmp;
    TPoint Pos; // where Rect's top-left lies in the parent's client area
    TRect Rect;
    int State = 0;
    const TParentImageInfo& Parent;
};

class TacBackgroundPainter {
public:
    TacBackgroundPainter(const TsSkinModel& skin, int sectionIndex, std::string_view sectionName,
                         const TacBackgroundRules& rules);

    void Paint(const TacBackgroundTarget& target, TColor customColor, int hotPatternIndex,
               int patternIndex) const;

private:
    struct TPattern {
        const TsMaskData* Texture = nullptr;
        const Bitmap* Picture = nullptr;
        bool Any() const { return Texture || Picture; }
    };

    bool ValidMask(int index) const { return index >= 0 && index < static_cast<int>(FSkin.Masks.size()); }
    TPattern ChoosePattern(const TacSectionLook& look, int handedIndex, const TsMaskData* redrawnLater) const;
    const TsMaskData* FramedTexture(int patternIndex, int hotPatternIndex) const;
    void ShowParent(const TacBackgroundTarget& target) const;
    void PaintLayers(Bitmap& bmp, const TRect& area, const TParentImageInfo& parent,
                     const TacSectionLook& look, const TPattern& pattern) const;
    void PaintPattern(Bitmap& bmp, const TRect& area, const TParentImageInfo& parent,
                      const TacSectionLook& look, const TPattern& pattern) const;
    void PaintGradient(Bitmap& bmp, const TRect& area, const TacSectionLook& look, bool overPattern) const;
    void PaintColour(Bitmap& bmp, const TRect& area, const TacSectionLook& look) const;

    const TsSkinModel& FSkin;
    int FSectionIndex;
    std::string_view FSectionName;
    TacBackgroundRules FRules;
};
