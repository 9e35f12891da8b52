// The hint look predefinitions.
#include "skin/hints/HintPredefinitions.h"

#include <optional>

namespace {
struct TPredefinedLook {
    TsHintStyle Style;
    int BevelWidth;
    std::optional<int> ExOffset;
    int MarginH, MarginV, MaxWidth;
    std::optional<int> Radius;
    TColor Color;
    int Transparency;
    TColor ColorBorderTop, ColorBorderBottom;
    int Bevel, GradientPercent;
    const char* GradientData;
    int ShadowBlur, ShadowOffset, ShadowTransparency;
};

constexpr const char* kGreenGradient =
    "167827;6865090;24;2;0;6865090;6865090;24;2;0;6865090;15400959;24;2;0;15400959;6865090;24;2;0;6865090;6865090;0;2;0";
constexpr const char* kYellowGradient = "7728127;16777215;99;0;0;16777215;16777215;0;0;0";
constexpr const char* kBlueGradient = "16753188;16777215;99;0;0;16777215;16777215;0;0;0";

// Indexed by TsHintsPredefinitions up to shComicsTransparent.
const TPredefinedLook kLooks[] = {
    {hsSimply, 1, {}, 4, 2, 240, {}, clInfoBk, 0, 0, 0, 1, 0, "", 3, 6, 40},
    {hsSimply, 1, {}, 6, 3, 240, {}, 0xB6FCFA, 10, 0xFFFFFF, 0x008080, 1, 100, kGreenGradient, 5, 6, 50},
    {hsSimply, 0, {}, 13, 5, 240, {}, 0xB6FCFA, 20, 0xFFFFFF, 0x008080, 1, 0, "", 3, 10, 70},
    {hsEllipse, 1, 16, 6, 12, 240, {}, 0xC2FCFC, 5, 0x008080, 0, 1, 100, kYellowGradient, 4, 16, 75},
    {hsBalloon, 6, 18, 6, 6, 240, {}, 0xC2FCFC, 10, 0x408080, 0x408080, 1, 0, "", 6, 8, 70},
    {hsComics, 1, 24, 15, 7, 180, 21, 0xFFB44F, 8, 0x400000, 0x400000, 1, 100, kBlueGradient, 10, 7, 28},
    {hsComics, 1, 19, 15, 8, 180, 13, 0xC2FCFC, 10, 0, 0, 1, 0, "", 4, 7, 45},
};

void ApplyLook(TsHintKind& kind, const TPredefinedLook& look, const TFont* hintFont) {
    kind.SetBevelWidth(look.BevelWidth);
    if (look.ExOffset) kind.SetExOffset(*look.ExOffset);
    kind.SetMarginH(look.MarginH);
    kind.SetMarginV(look.MarginV);
    kind.SetMaxWidth(look.MaxWidth);
    if (look.Radius) kind.SetRadius(*look.Radius);
    kind.SetColor(look.Color);
    kind.SetTransparency(look.Transparency);
    kind.SetColorBorderTop(look.ColorBorderTop);
    kind.SetColorBorderBottom(look.ColorBorderBottom);
    kind.SetBevel(look.Bevel);
    kind.SetGradientPercent(look.GradientPercent);
    kind.SetGradientData(look.GradientData);
    kind.SetShadowBlur(look.ShadowBlur);
    kind.SetShadowOffset(look.ShadowOffset);
    kind.SetShadowTransparency(look.ShadowTransparency);
    kind.SetShadowEnabled(true);
    if (hintFont) kind.Font()->Assign(hintFont);
    kind.Font()->SetStyle({});
    kind.Font()->SetColor(clBlack);
    kind.SetStyle(look.Style);
}
} // namespace

void ApplyHintPredefinition(TsHintKind& kind, TsHintsPredefinitions predefinition, const TFont* hintFont) {
    switch (predefinition) {
    case shStandard: kind.SetStyle(hsStandard); break;
    case shNone: kind.SetStyle(hsNone); break;
    case shCustom: break;
    default: ApplyLook(kind, kLooks[predefinition], hintFont); break;
    }
}
