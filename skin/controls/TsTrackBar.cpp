// The skinned track bar: its image, its paint handler and its messages.
#include "skin/controls/TsTrackBar.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/CanvasRoutines.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinModel.h"

#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "platform/controls/TrackBarCodes.h"
#include "platform/window/Win.h"

namespace {

// One press at a time holds the hints back, whichever track bar it is on.
bool HintsHeldBack = false;
bool HintsBeforePress = true;

} // namespace

TsTrackBar::TsTrackBar(TComponent* owner)
    : TTrackBar(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)),
      FPainting(*this, *this, [this](HDC dc) { PaintSkinned(dc); }) {
    FControlStyle.Exclude(csOpaque);
    SetThumbLength(23);
    FSkinData->ApplySkin();
}

void TsTrackBar::Loaded() {
    TTrackBar::Loaded();
    FSkinData->ApplySkin();
}

void TsTrackBar::SetDisabledKind(TsDisabledKind value) {
    FDisabledKind = value;
    FSkinData->Invalidate();
}

int TsTrackBar::ThumbState() const {
    if (FThumbHeld) return 2;
    return FSkinData->IsHot() ? 1 : 0;
}

TacTrackBarGeometry TsTrackBar::Geometry() const {
    TacTrackBarGeometry g;
    g.Orientation = Orientation();
    g.TickStyle = TickStyle();
    g.TickMarks = TickMarks();
    if (!FHandle) return g;
    SendMessage(FHandle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&g.Channel));
    if (g.Orientation == trVertical) g.Channel = {g.Channel.Top, g.Channel.Left, g.Channel.Bottom, g.Channel.Right};
    SendMessage(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&g.Thumb));
    g.TickCount = static_cast<int>(SendMessage(FHandle, TBM_GETNUMTICS, 0, 0));
    if (g.TickStyle == tsManual)
        for (int i = 0; i + 2 < g.TickCount; ++i)
            g.ManualTicks.push_back(static_cast<int>(SendMessage(FHandle, TBM_GETTICPOS, static_cast<WPARAM>(i), 0)));
    return g;
}

void TsTrackBar::PrepareCache() {
    TsCommonData& data = *FSkinData;
    TsSkinModel* skin = data.SkinModel();
    if (!skin || !data.Section()) return;
    TBitmap& cache = data.PrepareCacheBitmap();
    const TParentImageInfo parent = data.GetParentCacheInfo();
    Bitmap& image = cache.Image();
    const int hot = data.IsHot() ? 1 : 0;
    PaintSkinSection(data, parent, true, hot, image.BoundsRect(), {Left(), Top()}, &image, false);
    if (FShowFocus && (Focused() || FThumbHeld)) DrawSkinFocusRect(*cache.Canvas(), ClientRect().Inflate(-1, -1));
    const TacTrackBarGeometry geometry = Geometry();
    const TacTrackBarPainter painter(*skin, data.SkinSectionIndex(), data.SkinSection(), geometry);
    painter.Channel(image, hot);
    painter.Ticks(image, ThumbState());
    if (SliderVisible()) painter.Thumb(image, ThumbState());
    if (!Enabled()) ApplyControlDisabledLook(data, FDisabledKind, parent);
    data.SetCacheInvalid(false);
}

// The image is rebuilt at every paint: the platform moves the thumb without telling the binding.
void TsTrackBar::PaintSkinned(HDC dc) {
    TsCommonData& data = *FSkinData;
    if (!FPainting.MayPaint() || !dc || ComponentState().Contains(csDestroying)) return;
    PrepareCache();
    if (const TBitmap* cache = data.CacheBitmap(); cache && !cache->Empty())
        dc->DrawBitmap(0, 0, cache->Image(), cache->Image().BoundsRect());
}

void TsTrackBar::RefreshImage() {
    FSkinData->SetCacheInvalid(true);
    if (FHandle) InvalidateRect(FHandle, nullptr, FALSE);
}

// --- messages ----------------------------------------------------------------------------------

void TsTrackBar::WndProc(TMessage& message) {
    if (message.Msg == SM_SKINCMD) return SkinCommand(message);
    const bool skinned = FSkinData->IsSkinned();
    if (skinned && BeforeSkinned(message)) return;
    const std::weak_ptr<int> alive = AliveToken();
    const int before = Position();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TTrackBar::WndProc(m); });
    if (alive.expired()) return;
    if (skinned && FSkinData->IsSkinned()) AfterSkinned(message);
    const bool userScroll = message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL;
    if (userScroll && Position() != before && OnUserChange) OnUserChange(this);
}

bool TsTrackBar::BeforeSkinned(TMessage& message) {
    if (FPainting.PaintMessage(message)) return true;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Enabled()) LeftPress(message.LParam);
        return false;
    case WM_LBUTTONUP:
        if (Enabled()) LeftRelease();
        return false;
    case WM_CAPTURECHANGED: // the press ended without a release here (a dialog took the mouse)
        LeftRelease();
        return false;
    default: return false;
    }
}

void TsTrackBar::LeftPress(LPARAM point) {
    if (!HintsHeldBack && Application) {
        HintsBeforePress = Application->ShowHint();
        Application->SetShowHint(false);
        HintsHeldBack = true;
    }
    if (Geometry().Thumb.Contains(LParamToPoint(point))) {
        FThumbHeld = true;
        RefreshImage();
    }
}

// Every release lets the thumb go, also one past the channel's end where the mouse has left the
// thumb behind.
void TsTrackBar::LeftRelease() {
    if (HintsHeldBack && Application) {
        Application->SetShowHint(HintsBeforePress);
        HintsHeldBack = false;
    }
    if (FThumbHeld) {
        FThumbHeld = false;
        RefreshImage();
    }
}

void TsTrackBar::AfterSkinned(const TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (!FThumbHeld) RefreshImage();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
    case CN_HSCROLL:
    case CN_VSCROLL: RefreshImage(); break;
    default: break;
    }
}

void TsTrackBar::SkinCommand(TMessage& message) {
    if (FPainting.Command(message)) return;
    const std::uint16_t code = SkinCmdCode(message.WParam);
    const bool wasSkinned = FSkinData->IsSkinned(false);
    FSkinData->HandleSkinMessage(message);
    if (code == scRemoveSkin && wasSkinned && !FSkinData->IsSkinned(false)) return GiveBackToPlatform();
    if (code == scNewSkin || code == scSetSkin || code == scRemoveSkin) RefreshImage();
}

// A new platform window draws itself from scratch, with nothing left of the skinned one's state;
// the range, position and ticks come back from the control, and the focus it had.
void TsTrackBar::GiveBackToPlatform() {
    FThumbHeld = false;
    if (ComponentState().Contains(csDestroying)) return;
    const bool focused = Focused();
    RecreateWnd();
    if (focused && CanFocus()) SetFocus();
}
