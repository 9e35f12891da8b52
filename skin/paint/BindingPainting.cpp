// The binding-level painting entry points over the section painter.
#include "skin/paint/BindingPainting.h"

#include "skin/paint/DisabledLook.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/ParentQueries.h"
#include "skin/paint/SectionPainting.h"
#include "skin/paint/SectionText.h"
#include "skin/paint/TacSectionPainter.h"
#include "skin/paint/TransparentCorners.h"
#include "skin/paint/TsCommonData.h"

#include "skin/data/TsSkinManager.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TWinControl.h"
#include "platform/text/TextDraw.h"

namespace {

// Sets the parent colours before a control's element is painted (reset after its borders).
void StandInForParent(TsCommonData& data, const TParentImageInfo& parent) {
    ResetParentColors();
    const TControl* owner = data.OwnerControl();
    TWinControl* parentControl = owner ? owner->Parent() : nullptr;
    if (!parentControl) return;
    if (!parent.Ready) {
        ParentKeyColor = ColorToRGB(parentControl->Color());
        ParentFillColor = ParentKeyColor;
        return;
    }
    if (!data.DependsOnParentImage()) GetParentBackgroundColor(*parentControl);
}

// Restores the device's state, with its clipping, when the caption is done.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : FDC(dc), FLevel(dc ? dc->SaveDC() : 0) {}
    ~TSavedDC() {
        if (FDC) FDC->RestoreDC(FLevel);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FLevel;
};

// The colours of a caption: the section's for skinned text, the font's own otherwise.
TacTextColors CaptionColors(const TsCommonData& data, bool enabled, bool hot, TColor fontColor) {
    const TsGeneralData* section = data.IsSkinned(false) ? data.Section() : nullptr;
    TacTextColors own;
    own.Main = fontColor;
    if (!section) return own;
    if (!enabled) return SectionTextColors(*section, false, hot);
    return data.CustomFont() ? own : SectionTextColors(*section, true, hot);
}

} // namespace

void PaintControlBackground(TsCommonData& data, const TParentImageInfo& parent, int state, Bitmap& bmp,
                            TPoint pos, const TRect& r) {
    const TControl* painted = data.PaintedControl();
    const TColor custom = data.CustomColor() && painted ? ColorToRGB(painted->Color()) : clKeyColor;
    PaintSectionBackground(data.SkinSectionIndex(), data.SkinSection(), parent, custom, data.HotPatternMaskIndex(),
                           data.PatternMaskIndex(), data.SkinManager(), &bmp, pos, r, state);
}

void PaintSkinSection(TsCommonData& data, const TParentImageInfo& parent, bool fillCentre, int state,
                      const TRect& r, TPoint pos, Bitmap* bmp, bool useParentForKey) {
    TsSkinModel* skin = data.SkinModel();
    if (!skin || !bmp || !data.Section() || !TacSectionPainter::Fits(bmp, r)) return;
    StandInForParent(data, parent);
    PaintControlBackground(data, parent, state, *bmp, pos, r);
    const TacSectionPainter painter(*skin, data.SkinSectionIndex(), data.SkinSection());
    painter.Borders(*bmp, r, state, fillCentre, useParentForKey, TacSectionPainter::ParentBehind(parent, pos, r));
    ResetParentColors();
    painter.Corners(*bmp, r, state);
}

void DrawSkinText(TCanvas& canvas, std::string_view text, bool enabled, bool hot, TsCommonData& data,
                  unsigned format, const TRect& r) {
    const TControl* control = data.PaintedControl();
    if (control) canvas.Font()->Assign(control->Font());
    if (hot && data.SkinSection() == "WEBBUTTON") {
        TFontStyles style = canvas.Font()->Style();
        style.Include(fsUnderline);
        canvas.Font()->SetStyle(style);
    }
    const TSavedDC saved(canvas.Handle());
    canvas.Handle()->IntersectClipRect(r);
    const unsigned flags = enabled ? format | DT_NOCLIP : format;
    DrawContouredText(canvas, text, CaptionColors(data, enabled, hot, canvas.Font()->Color()), flags, r);
}

void RestoreTransparentCorners(TsCommonData& data, int state, int corners) {
    TsSkinModel* skin = data.SkinModel();
    const TControl* owner = data.OwnerControl();
    const TBitmap* cache = data.CacheBitmap();
    const int maskIndex = data.BordersMaskIndex();
    if (!skin || !owner || !cache || cache->Empty() || owner->Width() <= 1 || owner->Height() <= 1) return;
    if (maskIndex < 0 || maskIndex >= static_cast<int>(skin->Masks.size())) return;
    TParentImageInfo parent = data.GetParentCacheInfo();
    ResetParentColors();
    if (TWinControl* parentControl = owner->Parent()) {
        if (!parent.Ready) {
            ParentFillColor = ColorToRGB(parentControl->Color());
        } else if (!ParentBackgroundIsNotUniform(*owner)) {
            GetParentBackgroundColor(*parentControl);
        }
    }
    if (!IsParentColorSet(ParentFillColor)) parent = parent.Shifted(owner->Left(), owner->Top());
    RestoreKeyCorners(data.CacheBitmap()->Image(), skin->Masks[static_cast<std::size_t>(maskIndex)], state, corners,
                      parent);
    ResetParentColors();
}

void ApplyControlDisabledLook(TsCommonData& data, TsDisabledKind kind, const TParentImageInfo& parent) {
    TControl* owner = data.OwnerControl();
    TBitmap* cache = data.CacheBitmap();
    if (!owner || !cache || cache->Empty()) return;
    const TColor parentColor = owner->Parent() ? owner->Parent()->Color() : owner->Color();
    ApplyDisabledLook(cache->Image(), kind.Contains(dkGrayed), kind.Contains(dkBlended), parentColor,
                      {owner->Left(), owner->Top()}, parent);
}
