// The skinned check box: its check rectangle, its image, its own pressing and toggling, and its
// answers to the skin commands.
#include "skin/controls/TsCheckBox.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/CanvasRoutines.h"
#include "skin/paint/MaskedImage.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/TacMaskView.h"
#include "skin/paint/TransparentCorners.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"
#include "skin/data/TsSkinModel.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"

#include <algorithm>

TsCheckBox::TsCheckBox(TComponent* owner)
    : TCheckBox(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode, false)),
      FPainting(*this, *this, [this](HDC dc) { PaintSkinned(dc); }),
      FGlyphChecked(std::make_unique<TBitmap>()), FGlyphUnChecked(std::make_unique<TBitmap>()) {
    FSkinData->ApplySkin();
    FImageLink.OnChange = [this](TObject*) { ImagesChanged(); };
}

void TsCheckBox::Loaded() {
    TCheckBox::Loaded();
    FSkinData->ApplySkin();
    AdjustSize();
}

void TsCheckBox::SetDisabledKind(TsDisabledKind value) {
    FDisabledKind = value;
    FSkinData->Invalidate();
}

void TsCheckBox::SetShowFocus(bool value) {
    FShowFocus = value;
    RefreshImage();
}

void TsCheckBox::SetMargin(int value) {
    FMargin = value;
    AdjustSize();
    RefreshImage();
}

void TsCheckBox::SetTextIndent(int value) {
    FTextIndent = value;
    AdjustSize();
    RefreshImage();
}

void TsCheckBox::SetGlyphChecked(const TBitmap* glyph) {
    FGlyphChecked->Assign(glyph);
    AdjustSize();
    FSkinData->Invalidate();
}

void TsCheckBox::SetGlyphUnChecked(const TBitmap* glyph) {
    FGlyphUnChecked->Assign(glyph);
    RefreshImage();
}

void TsCheckBox::SetImages(TCustomImageList* list) {
    if (FImages == list) return;
    FImageLink.Follow(list, this);
    FImages = list;
    ImagesChanged();
}

void TsCheckBox::SetImgChecked(int index) {
    if (FImgChecked == index) return;
    FImgChecked = index;
    AdjustSize();
    if (Checked()) FSkinData->Invalidate();
}

void TsCheckBox::SetImgUnchecked(int index) {
    if (FImgUnchecked == index) return;
    FImgUnchecked = index;
    AdjustSize();
    if (!Checked()) FSkinData->Invalidate();
}

void TsCheckBox::ImagesChanged() {
    AdjustSize();
    FSkinData->Invalidate();
}

void TsCheckBox::Notification(TComponent* component, TOperation operation) {
    TCheckBox::Notification(component, operation);
    if (operation != opRemove || component != FImages) return;
    FImages = nullptr;
    if (!ComponentState().Contains(csDestroying)) ImagesChanged();
}

void TsCheckBox::SetAutoSize(bool value) {
    FAutoSize = value;
    AdjustSize();
}

// --- geometry ----------------------------------------------------------------------------------

const TsMaskData* TsCheckBox::CheckImageMask(TCheckBoxState state) const {
    const TsSkinManager* manager = FSkinData->SkinManager();
    const TsSkinModel* skin = FSkinData->SkinModel();
    if (!manager || !skin) return nullptr;
    const TacCachedIndexes& indexes = manager->CachedIndexes();
    const int index = state == cbChecked ? indexes.BoxChecked : state == cbGrayed ? indexes.BoxGrayed : indexes.BoxUnchecked;
    if (index < 0 || index >= static_cast<int>(skin->Masks.size())) return nullptr;
    return &skin->Masks[static_cast<std::size_t>(index)];
}

bool TsCheckBox::CaptionOnRight() const {
    return Alignment() == taRightJustify;
}

TRect TsCheckBox::CheckRect() const {
    TSize size{DefaultCheckSize, DefaultCheckSize};
    if (!FGlyphChecked->Empty()) {
        size = {FGlyphChecked->Width() / 3, FGlyphChecked->Height() / 2};
    } else if (UsesListImages()) {
        size = {FImages->Width() / 3, FImages->Height() / 2};
    } else if (const TsMaskData* mask = CheckImageMask(cbChecked)) {
        const TacMaskView view(*mask);
        size = mask->Bmp && mask->R.IsEmpty() ? TSize{mask->Bmp->Width() / 3, mask->Bmp->Height() / 2}
                                              : TSize{view.StateWidth(), view.StateHeight()};
    }
    const int top = (Height() - size.cy) / 2;
    const int left = CaptionOnRight() ? FMargin : Width() - FMargin - size.cx;
    return Bounds(left, top, size.cx, size.cy);
}

int TsCheckBox::CheckState() const {
    if (FPressed) return 2;
    return SkinState();
}

int TsCheckBox::SkinState() const {
    return FSkinData->IsHot() && !FReadOnly ? 1 : 0;
}

void TsCheckBox::AdjustSize() {
    if (!FAutoSize || !FSkinData->IsSkinned() || ComponentState().Contains(csLoading)) return;
    const std::string text = Caption();
    TSize extent{0, 0};
    if (!text.empty()) {
        TCanvas& canvas = *FSkinData->PrepareCacheBitmap().Canvas();
        canvas.Font()->Assign(Font());
        extent = canvas.TextExtent(text);
    }
    const TRect check = CheckRect();
    const int width = check.Width() + 2 * FMargin + (text.empty() ? 0 : extent.cx + FTextIndent + 8);
    const int height = std::max(check.Height(), extent.cy + 2 * FMargin) + 2;
    if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
}

// --- the image ---------------------------------------------------------------------------------

void TsCheckBox::PrepareCache() {
    TsCommonData& data = *FSkinData;
    TBitmap& cache = data.PrepareCacheBitmap();
    cache.Canvas()->Font()->Assign(Font());
    const TParentImageInfo parent = data.GetParentCacheInfo();
    Bitmap& image = cache.Image();
    PaintSkinSection(data, parent, true, SkinState(), image.BoundsRect(), {Left(), Top()}, &image, false);
    PaintCaption(*cache.Canvas());
    DrawCheck(image);
    if (!Enabled()) ApplyControlDisabledLook(data, FDisabledKind, parent);
    data.SetCacheInvalid(false);
}

void TsCheckBox::DrawCheck(Bitmap& image) {
    if (!FGlyphChecked->Empty()) {
        const TBitmap& own = Checked() ? *FGlyphChecked : *FGlyphUnChecked;
        if (!own.Empty()) DrawOwnCheck(image, own.Image());
    } else if (UsesListImages()) {
        TBitmap listImage;
        if (FImages->GetBitmap(Checked() ? FImgChecked : FImgUnchecked, &listImage)) DrawOwnCheck(image, listImage.Image());
    } else if (const TsMaskData* mask = CheckImageMask(State())) {
        ParentKeyColor = clKeyColor;
        DrawSkinImage(image, CheckRect().TopLeft(), CheckState(), *mask, 1);
    }
}

void TsCheckBox::DrawOwnCheck(Bitmap& image, const Bitmap& glyph) {
    TsMaskData mask;
    mask.Bmp = std::make_unique<Bitmap>(glyph);
    mask.ImageCount = 3;
    mask.MaskType = 1;
    DrawSkinImage(image, CheckRect().TopLeft(), CheckState(), mask, 1);
}

void TsCheckBox::PaintCaption(TCanvas& canvas) {
    const std::string text = Caption();
    if (text.empty()) return;
    const int available = Width() - CheckRect().Width() - FTextIndent - 2 * FMargin - 2;
    const unsigned lines = WordWrap() ? DT_WORDBREAK : DT_SINGLELINE;
    TRect measured{0, 0, std::max(0, available), 0};
    canvas.TextRect(measured, text, DT_CALCRECT | lines);
    const int top = std::max((Height() - measured.Height()) / 2, FMargin);
    const int left = CaptionOnRight() ? Width() - available - FMargin + 2 : FMargin;
    const int right = CaptionOnRight() ? left + measured.Width() : FMargin + available;
    TRect rect = TRect{left, top, right, Height() - top}.Offset(WordWrap() ? -1 : 0, -1);
    DrawSkinText(canvas, text, true, SkinState() != 0, *FSkinData, WordWrap() ? DT_WORDBREAK | DT_CENTER : DT_SINGLELINE,
                 rect);
    if (!Focused() || !FShowFocus) return;
    rect.Top += 1;
    rect.Bottom -= WordWrap() ? 1 : 2;
    DrawSkinFocusRect(canvas, rect.Inflate(1, 1));
}

void TsCheckBox::PaintSkinned(HDC dc) {
    TsCommonData& data = *FSkinData;
    if (!FPainting.MayPaint() || !dc) return;
    PrepareCache();
    RestoreTransparentCorners(data, 0, ccAllCorners);
    if (const TBitmap* cache = data.CacheBitmap(); cache && !cache->Empty())
        dc->DrawBitmap(0, 0, cache->Image(), cache->Image().BoundsRect());
}

void TsCheckBox::RefreshImage() {
    FSkinData->SetCacheInvalid(true);
    if (FHandle) InvalidateRect(FHandle, nullptr, FALSE);
}

// --- messages ----------------------------------------------------------------------------------

void TsCheckBox::WndProc(TMessage& message) {
    if (message.Msg == SM_SKINCMD) return SkinCommand(message);
    if (UserInput(message)) return;
    const bool skinned = FSkinData->IsSkinned();
    if (skinned && FPainting.PaintMessage(message)) return;
    const std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TCheckBox::WndProc(m); });
    if (!alive.expired() && skinned && FSkinData->IsSkinned()) AfterSkinned(message);
}

// The mouse button and the space bar: a read-only box ignores them; a skinned one presses and
// toggles itself instead of the platform, which would toggle on its own release too.
bool TsCheckBox::UserInput(TMessage& message) {
    const bool mouse = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_LBUTTONUP;
    const bool space = (message.Msg == WM_KEYDOWN || message.Msg == WM_KEYUP) && message.WParam == VK_SPACE;
    if (!mouse && !space) return false;
    if (FReadOnly) return true;
    if (!FSkinData->IsSkinned() || !Enabled() || !FHandle) return false;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        FPressed = true;
        if (CanFocus()) SetFocus();
        SetCapture(FHandle);
        RefreshImage();
        TControl::Dispatch(message); // OnMouseDown, OnDblClick
        return true;
    case WM_LBUTTONUP: {
        // Letting the capture go clears FPressed, so the press is read first.
        const bool toggle = FPressed && ClientRect().Contains(LParamToPoint(message.LParam));
        if (GetCapture() == FHandle) ReleaseCapture();
        const std::weak_ptr<int> alive = AliveToken();
        TControl::Dispatch(message); // OnMouseUp
        if (!alive.expired()) Release(toggle);
        return true;
    }
    case WM_KEYDOWN:
        if (!(static_cast<std::uint32_t>(message.LParam) & (1u << 30))) {
            FPressed = true;
            RefreshImage();
        }
        return true;
    default: Release(FPressed); return true; // space released
    }
}

void TsCheckBox::Release(bool toggle) {
    FPressed = false;
    RefreshImage();
    if (toggle) Toggle();
}

void TsCheckBox::AfterSkinned(const TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSELEAVE:
    case WM_CAPTURECHANGED: FPressed = false; RefreshImage(); break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: AdjustSize(); RefreshImage(); break;
    case CM_MOUSEENTER:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
    case BM_SETCHECK: RefreshImage(); break;
    default: break;
    }
}

void TsCheckBox::SkinCommand(TMessage& message) {
    if (FPainting.Command(message)) return;
    const std::uint16_t code = SkinCmdCode(message.WParam);
    FSkinData->HandleSkinMessage(message);
    switch (code) {
    case scSetSkin: AdjustSize(); RefreshImage(); break;
    case scRemoveSkin:
        FPressed = false;
        if (FHandle) SendMessage(FHandle, BM_SETCHECK, static_cast<WPARAM>(State()), 0);
        RefreshImage();
        break;
    default: break;
    }
}
