// Section backgrounds: choosing the pattern, painting the layers, and blending over the parent.
#include "skin/paint/TacBackgroundPainter.h"

#include "skin/paint/BitmapBlend.h"
#include "skin/paint/ColorBlend.h"
#include "skin/paint/FillGradient.h"
#include "skin/paint/InclusiveRect.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/PatternFill.h"
#include "skin/paint/PixelMath.h"
#include "skin/paint/WorkBitmap.h"

namespace {

// A fill mode whose alpha texture is laid over the finished background in state 0.
constexpr int FramedFillMode = 10;

} // namespace

TacBackgroundPainter::TacBackgroundPainter(const TsSkinModel& skin, int sectionIndex,
                                           std::string_view sectionName, const TacBackgroundRules& rules)
    : FSkin(skin), FSectionIndex(sectionIndex), FSectionName(sectionName), FRules(rules) {}

void TacBackgroundPainter::Paint(const TacBackgroundTarget& t, TColor customColor, int hotPatternIndex,
                                 int patternIndex) const {
    if (t.Rect.IsEmpty()) return;
    const TacSectionLook look =
        TacSectionLook::For(FSkin.GeneralData[static_cast<std::size_t>(FSectionIndex)], t.State, customColor);
    // A custom colour promises an opaque plain fill, so no texture is laid over it.
    const bool plain = customColor != clKeyColor;
    const TsMaskData* framed = FRules.LookUpPatterns && t.State == 0 && !plain
                                   ? FramedTexture(patternIndex, hotPatternIndex)
                                   : nullptr;
    TPattern pattern;
    if (look.ImagePercent > 0)
        pattern = ChoosePattern(look, IsHotState(t.State) ? hotPatternIndex : patternIndex, framed);
    const TParentImageInfo direct = t.Parent.Shifted(t.Pos.X - t.Rect.Left, t.Pos.Y - t.Rect.Top);
    const int transparency = look.Transparency;
    if (t.Parent.HasImage() && transparency == 100) {
        ShowParent(t);
    } else if (t.Parent.HasImage() && transparency > 0) {
        Bitmap layers = CreateWorkBitmap(t.Rect.Width(), t.Rect.Height());
        PaintLayers(layers, layers.BoundsRect(), t.Parent.Shifted(t.Pos.X, t.Pos.Y), look, pattern);
        ShowParent(t);
        BlendBitmapAt(t.Bmp, layers, PixelMath::PercentToAlpha(transparency), t.Rect.TopLeft(),
                      layers.BoundsRect());
    } else {
        PaintLayers(t.Bmp, t.Rect, direct, look, pattern);
    }
    if (!framed) return;
    TRect area = t.Rect;
    FillMaskedPattern(t.Bmp, area, direct, FramedFillMode, *framed);
}

TacBackgroundPainter::TPattern TacBackgroundPainter::ChoosePattern(const TacSectionLook& look,
                                                                   int handedIndex,
                                                                   const TsMaskData* redrawnLater) const {
    TPattern pattern;
    int index = handedIndex;
    if (FRules.LookUpPatterns && index == -1)
        index = FSkin.TextureIndex(FSectionIndex, FSectionName, look.PatternKey);
    if (ValidMask(index)) {
        pattern.Texture = &FSkin.Masks[static_cast<std::size_t>(index)];
    } else if (FRules.LookUpPatterns) {
        const int picture = FSkin.PatternIndex(FSectionIndex, FSectionName, look.PatternKey);
        if (picture >= 0) pattern.Picture = &FSkin.Patterns[static_cast<std::size_t>(picture)].Img;
    }
    // Drawn over the finished background instead; drawing it twice would darken its mask's edges.
    if (pattern.Texture == redrawnLater) pattern.Texture = nullptr;
    return pattern;
}

const TsMaskData* TacBackgroundPainter::FramedTexture(int patternIndex, int hotPatternIndex) const {
    const auto framed = [this](int i) {
        if (!ValidMask(i)) return false;
        const TsMaskData& m = FSkin.Masks[static_cast<std::size_t>(i)];
        return m.MaskType > 0 && m.DrawMode == FramedFillMode;
    };
    if (framed(patternIndex)) return &FSkin.Masks[static_cast<std::size_t>(patternIndex)];
    const bool normalKeyed =
        patternIndex == -1 ||
        (ValidMask(patternIndex) && FSkin.Masks[static_cast<std::size_t>(patternIndex)].MaskType == 0);
    if (normalKeyed && framed(hotPatternIndex))
        return &FSkin.Masks[static_cast<std::size_t>(hotPatternIndex)];
    return nullptr;
}

void TacBackgroundPainter::ShowParent(const TacBackgroundTarget& t) const {
    if (t.Parent.Bmp == &t.Bmp) return;
    if (FRules.ParentFillColorStandsIn && IsParentColorSet(ParentFillColor))
        return FillSolidRect(t.Bmp, t.Rect, ParentFillColor);
    t.Bmp.CopyRect(t.Rect.Left, t.Rect.Top, *t.Parent.Bmp,
                   Bounds(t.Parent.X + t.Pos.X, t.Parent.Y + t.Pos.Y, t.Rect.Width(), t.Rect.Height()));
}

void TacBackgroundPainter::PaintLayers(Bitmap& bmp, const TRect& area, const TParentImageInfo& parent,
                                       const TacSectionLook& look, const TPattern& pattern) const {
    if (look.ImagePercent > 0) PaintPattern(bmp, area, parent, look, pattern);
    if (look.GradientPercent > 0) PaintGradient(bmp, area, look, pattern.Any());
    PaintColour(bmp, area, look);
}

void TacBackgroundPainter::PaintPattern(Bitmap& bmp, const TRect& area, const TParentImageInfo& parent,
                                        const TacSectionLook& look, const TPattern& pattern) const {
    TRect left = area;
    if (pattern.Picture)
        FillPattern(bmp, left, pattern.Picture, 0, nullptr);
    else if (pattern.Texture && pattern.Texture->MaskType > 0)
        FillMaskedPattern(bmp, left, parent, pattern.Texture->DrawMode, *pattern.Texture);
    else if (pattern.Texture)
        FillPattern(bmp, left, nullptr, pattern.Texture->DrawMode, pattern.Texture);
    if (left != NothingLeft) FillSolidRect(bmp, left, look.Color);
}

void TacBackgroundPainter::PaintGradient(Bitmap& bmp, const TRect& area, const TacSectionLook& look,
                                         bool overPattern) const {
    // A gradient text that gives no drawable steps paints as no gradient text: the plain colour.
    const bool drawable = look.HasGradientText && GradientDraws(*look.Gradient);
    if (!overPattern) {
        if (drawable) return FillGradient(bmp, area, *look.Gradient, 0);
        return FillSolidRect(bmp, area, look.Color);
    }
    Bitmap gradient = CreateWorkBitmap(area.Width(), area.Height());
    if (drawable)
        FillGradient(gradient, gradient.BoundsRect(), *look.Gradient, 0);
    else
        gradient.Fill(look.Color);
    const int share = look.ImagePercent;
    // Limited to 255 rather than wrapped round a byte, so a full pattern share keeps the pattern.
    const int keep = FRules.PatternShareOf256 ? share * 256 / 100 : share * 255 / 100;
    BlendBitmapAt(bmp, gradient, PixelMath::Clamp255(keep), area.TopLeft(), gradient.BoundsRect());
}

void TacBackgroundPainter::PaintColour(Bitmap& bmp, const TRect& area, const TacSectionLook& look) const {
    const int shares = look.ImagePercent + look.GradientPercent;
    if (shares == 0) {
        const bool standIn = IsParentColorSet(ParentFillColor) && look.Transparency != 0;
        FillSolidRect(bmp, area, standIn ? ParentFillColor : look.Color);
    } else if (shares < 100) {
        BlendColorRect(bmp, InclusiveOf(area), shares, look.Color);
    }
}
