// Frame, colours and disabled look of the skinned edit-like controls.
#include "skin/controls/TacEditSkin.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/CachePainting.h"
#include "skin/paint/CacheRing.h"
#include "skin/paint/PaintCycle.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include "skin/data/SkinCommands.h"

#include "framework/TBitmap.h"
#include "framework/TCustomEdit.h"
#include "framework/TFont.h"
#include "platform/controls/EditCodes.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WinStyles.h"

TacEditSkin::TacEditSkin(TCustomEdit& control, TacSkinnedControl& skinned, bool hotColours, bool platformFrameFirst)
    : FControl(control), FSkinned(skinned), FData(*skinned.SkinData()), FHotColours(hotColours),
      FPlatformFrameFirst(platformFrameFirst) {}

bool TacEditSkin::Skinned() const {
    return FData.IsSkinned();
}

bool TacEditSkin::Updating() const {
    return FData.UpdateLocked() || FData.IsPaintSuspended();
}

int TacEditSkin::FrameThickness() const {
    return FControl.BorderStyle() == bsSingle ? 2 : 0;
}

bool TacEditSkin::Before(TMessage& message) {
    if (!Skinned()) return false;
    switch (message.Msg) {
    case WM_NCPAINT:
        if (FPlatformFrameFirst) return false;
        if (!Updating()) PaintFrame();
        return true;
    case WM_PAINT:
        if (!Updating() && FControl.Enabled()) {
            AdjustColours();
            return false;
        }
        PaintClient(message);
        return true;
    case WM_ERASEBKGND:
        if (!Updating() && FControl.Enabled()) return false;
        message.Result = 1;
        return true;
    case WM_PRINT:
        if (FPlatformFrameFirst || Updating()) return false;
        Print(reinterpret_cast<HDC>(message.WParam), message.LParam);
        return true;
    default: return false;
    }
}

// The control as the screen shows it: the image's frame ring and face, then (enabled) the
// platform's text area inside the frame in the section's colours.
void TacEditSkin::Print(HDC dc, LPARAM flags) {
    const TBitmap* cache = ReadyCache(FSkinned);
    if (!dc || !cache || ((flags & PRF_CHECKVISIBLE) && !FControl.Showing())) return;
    RestoreTransparentCorners(FData, FSkinned.SkinState(), 15);
    CopyImageRing(dc, cache->Image(), FrameThickness());
    dc->DrawBitmap(0, 0, cache->Image(), cache->Image().BoundsRect());
    if (!FControl.Enabled() || !(flags & PRF_CLIENT)) return;
    AdjustColours();
    const int b = FrameThickness();
    const int saved = dc->SaveDC();
    dc->OffsetViewportOrg(b, b);
    dc->IntersectClipRect({0, 0, FControl.ClientWidth(), FControl.ClientHeight()});
    SendMessage(FControl.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    dc->RestoreDC(saved);
}

void TacEditSkin::After(const TMessage& message, int stateBefore) {
    if (message.Msg == SM_SKINCMD) return SkinChanged(message);
    if (!Skinned()) return;
    switch (message.Msg) {
    case WM_NCPAINT:
        if (FPlatformFrameFirst && !Updating()) PaintFrame();
        break;
    case WM_SIZE: RedrawWindow(FControl.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN); break;
    case WM_KILLFOCUS:
    case CM_EXIT:
        FData.SetHasFocus(false);
        FData.SetMouseInside(false);
        if (FControl.Visible()) RepaintAll();
        break;
    case WM_SETTEXT:
    case EM_SETPASSWORDCHAR:
    case WM_SETFONT:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED: RepaintAll(); break;
    case CM_COLORCHANGED:
        if (FData.CustomColor()) FData.SetCacheInvalid(true);
        break;
    default:
        if (FSkinned.SkinState() != stateBefore) RepaintAll();
        break;
    }
}

// A new look or none: the frame is the platform's again, or the image's.
void TacEditSkin::SkinChanged(const TMessage& message) {
    const std::uint16_t code = SkinCmdCode(message.WParam);
    if ((code != scRemoveSkin && code != scSetSkin) || !FControl.HandleAllocated()) return;
    if (code == scSetSkin) FData.SetCacheInvalid(true);
    RedrawWindow(FControl.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
}

void TacEditSkin::RepaintAll() {
    if (!FControl.HandleAllocated() || FControl.ComponentState().Contains(csLoading)) return;
    FData.Invalidate();
    RedrawWindow(FControl.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TacEditSkin::AdjustColours() {
    const TsGeneralData* section = FData.Section();
    if (!section) return;
    const bool hot = FHotColours && FSkinned.SkinState() == 1;
    const TColor back = hot ? section->HotColor : section->Color;
    const TColor ink = hot ? section->HotFontColor[0] : section->FontColor[0];
    if (!FData.CustomColor() && FControl.Color() != back) FControl.SetColor(back);
    if (!FData.CustomFont() && FControl.Font()->Color() != ink) FControl.Font()->SetColor(ink);
}

void TacEditSkin::PaintFrame() {
    const TBitmap* cache = ReadyCache(FSkinned);
    if (!cache || !FControl.HandleAllocated()) return;
    RestoreTransparentCorners(FData, FSkinned.SkinState(), 15);
    HDC dc = GetWindowDC(FControl.Handle());
    if (!dc) return;
    CopyImageRing(dc, cache->Image(), FrameThickness());
    ReleaseDC(FControl.Handle(), dc);
}

// Updating: the paint is acknowledged and nothing drawn; disabled: the skin's image, text and all.
void TacEditSkin::PaintClient(TMessage& message) {
    PaintInCycle(FControl.Handle(), reinterpret_cast<HDC>(message.WParam), [this](HDC dc) {
        if (dc && !Updating()) CopyWholeImage(dc);
    });
}

void TacEditSkin::CopyWholeImage(HDC dc) {
    const TBitmap* cache = ReadyCache(FSkinned);
    if (!cache) return;
    const int b = FrameThickness();
    dc->DrawBitmap(-b, -b, cache->Image(), cache->Image().BoundsRect());
}
