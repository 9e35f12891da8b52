// Painting the skinned combo box's image.
#include "skin/controls/TacComboImage.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/MaskedImage.h"
#include "skin/paint/TacSectionPainter.h"
#include "skin/paint/TsCommonData.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TFont.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"

#include <algorithm>

TRect TacComboImage::ButtonRect(TSize size, const TacComboLook& look) {
    const int w = look.Style != csSimple && look.ShowButton ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int left = size.cx - w - 2;
    return {left, 2, left + w, size.cy - 2};
}

void TacComboImage::Prepare(const TacComboLook& look) {
    TBitmap& cache = FData.PrepareCacheBitmap();
    const TParentImageInfo parent = FData.GetParentCacheInfo();
    const TSize size{FCombo.Width(), FCombo.Height()};
    const TRect button = ButtonRect(size, look);
    TRect area = cache.Image().BoundsRect();
    if (look.Style == csSimple) area.Bottom = std::min(area.Bottom, look.ItemHeight + 8);
    PaintSkinSection(FData, parent, true, look.State, area, {FCombo.Left(), FCombo.Top()}, &cache.Image(), false);
    if (look.Style != csSimple) {
        if (look.ShowButton) {
            PaintButton(look, button);
            PaintArrow(look, button);
        }
        if (!look.OwnerDrawn) PaintText(look, button);
    }
    if (!look.Enabled) ApplyControlDisabledLook(FData, look.DisabledKind, parent);
    FData.SetCacheInvalid(false);
}

// "COMBOBTN" over a copy of the image as it stands; a skin without it leaves the face's own.
void TacComboImage::PaintButton(const TacComboLook& look, const TRect& button) {
    TsSkinModel* skin = FData.SkinModel();
    const int index = skin ? skin->SectionIndex("COMBOBTN") : -1;
    if (index < 0 || button.IsEmpty()) return;
    Bitmap& image = FData.CacheBitmap()->Image();
    const Bitmap behind = image;
    const TParentImageInfo parent{&behind, 0, 0, true};
    const TacSectionPainter painter(*skin, index, "COMBOBTN");
    painter.ByIndex({image, {button.Left, button.Top}, button, ButtonState(look), parent}, -1, -1, true);
}

// The "GLYPHMASK" of the section, centred on the button; nothing without one.
void TacComboImage::PaintArrow(const TacComboLook& look, const TRect& button) {
    TsSkinModel* skin = FData.SkinModel();
    const int index = skin ? skin->MaskIndex(FData.SkinSectionIndex(), FData.SkinSection(), "GLYPHMASK") : -1;
    if (index < 0) return;
    const TsMaskData& arrow = skin->Masks[static_cast<std::size_t>(index)];
    const TSize whole = arrow.R.IsEmpty() && arrow.Bmp ? TSize{arrow.Bmp->Width(), arrow.Bmp->Height()}
                                                        : TSize{arrow.R.Width(), arrow.R.Height()};
    const int width = whole.cx / std::max(1, arrow.ImageCount);
    const int height = whole.cy / (arrow.MaskType + 1);
    const TPoint at{button.Left + (button.Width() - width) / 2, (FCombo.Height() - height) / 2};
    DrawSkinImage(FData.CacheBitmap()->Image(), at, ButtonState(look), arrow, 1);
}

void TacComboImage::PaintText(const TacComboLook& look, const TRect& button) {
    TCanvas& canvas = *FData.CacheBitmap()->Canvas();
    canvas.Font()->Assign(FCombo.Font());
    TRect r{3, 3, button.Left - 1, FCombo.Height() - 3};
    const bool pickOnly = look.Style == csDropDownList || look.Style == csOwnerDrawFixed || look.Style == csOwnerDrawVariable;
    const bool selected = look.Focused && pickOnly && look.Enabled;
    if (selected) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clHighlight);
        canvas.FillRect(r);
        canvas.Font()->SetColor(clHighlightText);
    }
    TRect text = r;
    if (look.Style == csDropDown) text.Bottom -= 1;
    else text.Left += 1;
    static constexpr unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextRect(text, FCombo.GetText(), Align[look.Alignment] | DT_VCENTER | DT_EXPANDTABS | DT_SINGLELINE | DT_NOPREFIX);
    if (selected) canvas.Handle()->DrawFocusRect(r);
}
