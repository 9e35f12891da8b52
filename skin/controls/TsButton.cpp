// The skinned push button: its image, its window region, its paint handler and its messages.
#include "skin/controls/TsButton.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/CanvasRoutines.h"
#include "skin/paint/KeyCornerRegion.h"
#include "skin/paint/TransparentCorners.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinModel.h"

#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"

#include <algorithm>

TsButton::TsButton(TComponent* owner)
    : TButton(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)),
      FPainting(*this, *this, [this](HDC dc) { PaintSkinned(dc); }) {
    FControlStyle.Exclude(csOpaque);
    FControlStyle.Exclude(csDoubleClicks);
    SetWordWrap(true);
    FSkinData->ApplySkin();
}

void TsButton::Loaded() {
    TButton::Loaded();
    FSkinData->ApplySkin();
}

void TsButton::SetDisabledKind(TsDisabledKind value) {
    FDisabledKind = value;
    if (!ComponentState().Contains(csLoading)) FSkinData->Invalidate();
}

void TsButton::SetDown(bool value) {
    if (FDown == value) return;
    FDown = value;
    FRegionChanged = true;
    if (!ComponentState().Contains(csLoading)) FSkinData->Invalidate();
}

int TsButton::SkinState() const {
    if (FDown) return 2;
    if (FHandle && (SendMessage(FHandle, BM_GETSTATE, 0, 0) & BST_PUSHED)) return 2;
    return Active() || FSkinData->IsHot() ? 1 : 0;
}

void TsButton::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    if (FSkinData && FSkinData->IsSkinned()) params.Style = (params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

void TsButton::CreateWnd() {
    TButton::CreateWnd();
    FRegionChanged = true;
    FShownState = -1;
}

// An owner-drawn button keeps its type: the default look is the skin's hot state instead.
void TsButton::UpdateDefaultLook() {
    if (FSkinData && FSkinData->IsSkinned())
        Reshape();
    else
        TButton::UpdateDefaultLook();
}

void TsButton::SetOwnerDrawn(bool on) {
    if (!FHandle) return;
    const auto style = static_cast<DWORD>(GetWindowLongPtr(FHandle, GWL_STYLE));
    const DWORD type = on ? BS_OWNERDRAW : (Active() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    const DWORD wanted = (style & ~BS_TYPEMASK) | type;
    if (wanted != style) SetWindowLongPtr(FHandle, GWL_STYLE, static_cast<LONG_PTR>(wanted));
}

void TsButton::Reshape() {
    FRegionChanged = true;
    FSkinData->Invalidate();
}

// --- the image ---------------------------------------------------------------------------------

void TsButton::PrepareCache() {
    TsCommonData& data = *FSkinData;
    TBitmap& cache = data.PrepareCacheBitmap();
    const TParentImageInfo parent = data.GetParentCacheInfo();
    const int state = SkinState();
    const TRect all = cache.Image().BoundsRect();
    PaintSkinSection(data, parent, true, state, all, {Left(), Top()}, &cache.Image(), false);
    if (FRegionChanged) {
        FPendingRegion = Region(all);
        TsSkinModel* skin = data.SkinModel();
        const int mask = data.BordersMaskIndex();
        if (skin && mask >= 0 && mask < static_cast<int>(skin->Masks.size()))
            RemoveKeyCornerPixels(*FPendingRegion, skin->Masks[static_cast<std::size_t>(mask)], all, state);
    }
    PaintCaption(*cache.Canvas());
    if (!Enabled()) ApplyControlDisabledLook(data, FDisabledKind, data.GetParentCacheInfo());
    data.SetCacheInvalid(false);
}

TRect TsButton::CaptionRect() {
    const std::string text = Caption();
    int tw = 0, th = 0;
    if (!text.empty()) {
        TCanvas& canvas = *FSkinData->PrepareCacheBitmap().Canvas();
        canvas.Font()->Assign(Font());
        TRect measured{0, 0, std::max(0, Width() - 2), 0};
        canvas.TextRect(measured, text, DT_CALCRECT | DT_CENTER | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE));
        // A wrapped caption keeps the width it was given; one line is as wide as its text.
        tw = std::min(measured.Width(), canvas.TextWidth(text));
        th = measured.Height();
    }
    const int hx = (Width() - tw) / 2, hy = (Height() - th) / 2;
    TRect rect{hx - 1, hy, Width() - hx + 2, Height() - hy};
    if (SkinState() == 2) rect = rect.Offset(1, 1);
    return rect;
}

void TsButton::PaintCaption(TCanvas& canvas) {
    const std::string text = Caption();
    const TRect rect = CaptionRect();
    const unsigned format = DT_CENTER | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE);
    DrawSkinText(canvas, text, true, SkinState() != 0, *FSkinData, format, rect);
    const TsGeneralData* section = FSkinData->Section();
    if (Enabled() && Focused() && !text.empty() && section && section->ShowFocus)
        DrawSkinFocusRect(canvas, rect.Inflate(FFocusMargin, FFocusMargin));
}

// --- painting ----------------------------------------------------------------------------------

void TsButton::PaintSkinned(HDC dc) {
    TsCommonData& data = *FSkinData;
    if (!FPainting.MayPaint() || !dc) return;
    const int state = SkinState();
    if (state != FShownState) FRegionChanged = true;
    data.SetCacheInvalid(data.CacheInvalid() || data.UsesParentImage() || FRegionChanged);
    data.SetUsesParentImage(data.DependsOnParentImage());
    if (data.CacheInvalid() && !data.UpdateLocked()) PrepareCache();
    if (FRegionChanged && FPendingRegion) {
        RestoreTransparentCorners(data, state, ccAllCorners);
        ApplyPendingRegion();
    }
    if (const TBitmap* cache = data.CacheBitmap(); cache && !cache->Empty())
        dc->DrawBitmap(0, 0, cache->Image(), cache->Image().BoundsRect());
    FShownState = state;
    if (state == 2) FPressedShown = true;
}

// The window is reshaped only when its shape really changes: reshaping repaints the parent
// behind the old shape and the button again.
void TsButton::ApplyPendingRegion() {
    Region current;
    const bool had = GetWindowRgn(FHandle, &current) != RGN_ERROR;
    if (!had || !(current == *FPendingRegion)) SetWindowRgn(FHandle, &*FPendingRegion, TRUE);
    FPendingRegion.reset();
    FRegionChanged = false;
}

// A click quicker than a paint would never show the pressed look; it is shown at once and held
// for a moment before the click goes on.
void TsButton::ShowPressedNow() {
    if (HDC dc = GetDC(FHandle)) {
        PaintSkinned(dc);
        ReleaseDC(FHandle, dc);
    }
    Sleep(PressedFlashMs);
}

// --- messages ----------------------------------------------------------------------------------

void TsButton::WndProc(TMessage& message) {
    if (message.Msg == SM_SKINCMD) return SkinCommand(message);
    const bool skinned = FSkinData->IsSkinned();
    if (skinned && BeforeSkinned(message)) return;
    const std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TButton::WndProc(m); });
    if (!alive.expired() && skinned && FSkinData->IsSkinned()) AfterSkinned(message);
}

bool TsButton::BeforeSkinned(TMessage& message) {
    if (FPainting.PaintMessage(message)) return true;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!Enabled()) return false;
        FPressedByMouse = true;
        FPressedShown = false;
        if (!FDown) FRegionChanged = true;
        return false;
    case WM_LBUTTONUP:
        if (!FPressedByMouse) return true; // a press elsewhere ended here
        MouseUp();
        return false;
    case WM_CAPTURECHANGED: FPressedByMouse = false; return false;
    default: return false;
    }
}

void TsButton::MouseUp() {
    FPressedByMouse = false;
    if (!FPressedShown && SkinState() == 2) ShowPressedNow();
    FRegionChanged = true;
}

void TsButton::AfterSkinned(const TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: Reshape(); break;
    default: break;
    }
}

void TsButton::SkinCommand(TMessage& message) {
    if (FPainting.Command(message)) return;
    const std::uint16_t code = SkinCmdCode(message.WParam);
    FSkinData->HandleSkinMessage(message);
    switch (code) {
    case scNewSkin: FRegionChanged = true; break;
    case scSetSkin:
        if (!FSkinData->IsSkinned()) break;
        SetOwnerDrawn(true);
        Reshape();
        break;
    case scRemoveSkin:
        if (FSkinData->IsSkinned(false) || !FHandle) break;
        FShownState = -1;
        SetOwnerDrawn(false);
        SetWindowRgn(FHandle, nullptr, TRUE);
        Invalidate();
        break;
    default: break;
    }
}
