// Picking a section's normal or hot values, or a custom colour's plain fill.
#include "skin/paint/TacSectionLook.h"

#include <algorithm>

TacSectionLook TacSectionLook::For(const TsGeneralData& section, int state, TColor customColor) {
    TacSectionLook look;
    const bool hot = IsHotState(state);
    look.PatternKey = hot ? "HOTPATTERN" : "PATTERN";
    look.FontColors = hot ? &section.HotFontColor : &section.FontColor;
    look.Gradient = hot ? &section.HotGradient : &section.Gradient;
    if (customColor != clKeyColor) {
        look.Color = customColor;
        return look;
    }
    look.Color = hot ? section.HotColor : section.Color;
    look.Transparency = hot ? section.HotTransparency : section.Transparency;
    look.GradientPercent = std::max(hot ? section.HotGradientPercent : section.GradientPercent, 0);
    look.ImagePercent = std::max(hot ? section.HotImagePercent : section.ImagePercent, 0);
    look.HasGradientText = !(hot ? section.HotGradientData : section.GradientData).empty();
    return look;
}
