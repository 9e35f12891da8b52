// The skinned up-down: its image, paint handler and mouse states.
#include "skin/controls/TsUpDown.h"

#include "skin/paint/BindingPainting.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"
#include "skin/data/TsSkinModel.h"

#include "framework/TBitmap.h"
#include "platform/controls/PaintClient.h"
#include "platform/controls/UpDownLayout.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <algorithm>

TsUpDown::TsUpDown(TComponent* owner) : TUpDown(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->SetSkinSection(ButtonSection());
    FSkinData->ApplySkin();
}

void TsUpDown::Loaded() {
    TUpDown::Loaded();
    FSkinData->ApplySkin();
}

std::string TsUpDown::ButtonSection() const {
    const TsSkinManager* manager = FSkinData ? FSkinData->SkinManager() : nullptr;
    return manager && manager->SectionIndex("UPDOWNBTN") >= 0 ? "UPDOWNBTN" : "BUTTON";
}

TRect TsUpDown::ArrowRect(int direction) const {
    return UpDownArrowRect(ClientRect(), Orientation() == udHorizontal, direction);
}

int TsUpDown::ArrowAt(TPoint p) const {
    if (ArrowRect(-1).Contains(p)) return -1;
    return ArrowRect(1).Contains(p) ? 1 : 0;
}

int TsUpDown::ArrowState(int direction) const {
    if (!Enabled()) return 0;
    if (FHeldArrow == direction) return 2;
    return FHotArrow == direction ? 1 : 0;
}

void TsUpDown::PrepareCache() {
    TsCommonData& data = *FSkinData;
    const TsGeneralData* section = data.Section();
    if (!section) return;
    TBitmap& cache = data.PrepareCacheBitmap();
    const TParentImageInfo parent = data.GetParentCacheInfo();
    Bitmap& image = cache.Image();
    for (int direction : {-1, 1}) {
        const TRect r = ArrowRect(direction);
        const int state = ArrowState(direction);
        PaintSkinSection(data, parent, true, state, r, {Left() + r.Left, Top() + r.Top}, &image, false);
        const TColor hot = section->HotFontColor[0];
        PaintArrow(image, direction, state, state > 0 && hot != -1 ? hot : section->FontColor[0]);
    }
    if (!Enabled()) ApplyControlDisabledLook(data, DefaultDisabledKind, parent);
    data.SetCacheInvalid(false);
}

// The classic arrow in the section's ink, one pixel lower right while held.
void TsUpDown::PaintArrow(Bitmap& image, int direction, int state, TColor ink) const {
    const int shift = state == 2 ? 1 : 0;
    const TRect r = ArrowRect(direction).Offset(shift, shift);
    const TArrowDirection way = Orientation() == udHorizontal
                                    ? (direction < 0 ? TArrowDirection::adLeft : TArrowDirection::adRight)
                                    : (direction < 0 ? TArrowDirection::adDown : TArrowDirection::adUp);
    DeviceContext dc(&image);
    ClassicStyle::DrawArrow(&dc, r, way, ink);
}

void TsUpDown::PaintSkinned(HDC dc) {
    if (!dc || FSkinData->IsPaintSuspended() || ComponentState().Contains(csDestroying)) return;
    PrepareCache();
    if (const TBitmap* cache = FSkinData->CacheBitmap(); cache && !cache->Empty())
        dc->DrawBitmap(0, 0, cache->Image(), cache->Image().BoundsRect());
}

void TsUpDown::SetArrows(int hot, int held) {
    if (hot == FHotArrow && held == FHeldArrow) return;
    FHotArrow = hot;
    FHeldArrow = held;
    if (FHandle) InvalidateRect(FHandle, nullptr, FALSE);
}

// --- messages ----------------------------------------------------------------------------------

void TsUpDown::WndProc(TMessage& message) {
    if (message.Msg == SM_SKINCMD) {
        const std::uint16_t code = SkinCmdCode(message.WParam);
        if (code == scPrepareImage) {
            if (FSkinData->IsSkinned()) PrepareCache();
            return;
        }
        FSkinData->HandleSkinMessage(message);
        if (FHandle && (code == scNewSkin || code == scSetSkin || code == scRemoveSkin)) InvalidateRect(FHandle, nullptr, FALSE);
        return;
    }
    const bool skinned = FSkinData->IsSkinned();
    if (skinned && BeforeSkinned(message)) return;
    const std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TUpDown::WndProc(m); });
    if (!alive.expired() && skinned) AfterSkinned(message);
}

bool TsUpDown::BeforeSkinned(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        PaintClient(FHandle, reinterpret_cast<HDC>(message.WParam), [this](HDC dc) { PaintSkinned(dc); });
        return true;
    case WM_PRINTCLIENT: PaintSkinned(reinterpret_cast<HDC>(message.WParam)); return true;
    case WM_ERASEBKGND: message.Result = 1; return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int arrow = ArrowAt(LParamToPoint(message.LParam));
        SetArrows(arrow, Enabled() ? arrow : 0);
        return false;
    }
    default: return false;
    }
}

void TsUpDown::AfterSkinned(const TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEMOVE: SetArrows(ArrowAt(LParamToPoint(message.LParam)), FHeldArrow); break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: SetArrows(FHotArrow, 0); break;
    case CM_MOUSELEAVE: SetArrows(0, FHeldArrow); break;
    case CN_HSCROLL:
    case CN_VSCROLL:
    case CM_ENABLEDCHANGED:
        if (FHandle) InvalidateRect(FHandle, nullptr, FALSE);
        break;
    default: break;
    }
}
