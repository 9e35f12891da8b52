// The skinned speed button: its image from the skin, its properties and its message route.
#include "skin/controls/TsSpeedButton.h"

#include "skin/controls/TacGlyphPainter.h"
#include "skin/paint/BindingPainting.h"
#include "skin/paint/TacSectionPainter.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TWinControl.h"
#include "platform/text/TextDraw.h"

#include <algorithm>

namespace {

constexpr unsigned AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

// The caption's block as the platform measures it within the room it may wrap in.
TSize MeasureCaption(const TFont* font, const std::string& caption, int room) {
    if (caption.empty() || room <= 0) return {};
    DeviceContext measure;
    measure.SelectFont(font->Handle());
    TRect r{0, 0, room, 0};
    DrawText(&measure, caption, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    return r.Size();
}

} // namespace

TsSpeedButton::TsSpeedButton(TComponent* owner)
    : TSpeedButton(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->ApplySkin();
    FollowSkinOpacity();
    TBitmap* glyph = Glyph();
    glyph->OnChange = [this](TObject*) {
        if (!Busy()) FSkinData->SetCacheInvalid(true);
        Invalidate();
    };
}

void TsSpeedButton::Loaded() {
    TSpeedButton::Loaded();
    FSkinData->ApplySkin();
    FollowSkinOpacity();
}

bool TsSpeedButton::Busy() const {
    const TComponentState state = ComponentState();
    return state.Contains(csLoading) || state.Contains(csDestroying) || ControlState().Contains(csCreating);
}

// Skinned, the button covers its whole area itself; the parent need not paint behind it.
void TsSpeedButton::FollowSkinOpacity() {
    if (FSkinData->IsSkinned() || !Transparent()) FControlStyle.Include(csOpaque);
    else FControlStyle.Exclude(csOpaque);
}

// --- properties ------------------------------------------------------------------------------

void TsSpeedButton::PropertyChanged() {
    if (Visible()) FSkinData->SetCacheInvalid(true);
    RepaintAlone();
}

void TsSpeedButton::SetDisabledKind(TsDisabledKind value) {
    if (FDisabledKind == value) return;
    FDisabledKind = value;
    PropertyChanged();
}

void TsSpeedButton::SetDisabledGlyphKind(TsDisabledGlyphKind value) {
    if (FDisabledGlyphKind == value) return;
    FDisabledGlyphKind = value;
    PropertyChanged();
}

void TsSpeedButton::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    PropertyChanged();
}

void TsSpeedButton::SetTextAlignment(TAlignment value) {
    if (FTextAlignment == value) return;
    FTextAlignment = value;
    PropertyChanged();
}

void TsSpeedButton::SetTextOffset(int value) {
    if (FTextOffset == value) return;
    FTextOffset = value;
    PropertyChanged();
}

void TsSpeedButton::SetShowCaption(bool value) {
    if (FShowCaption == value) return;
    FShowCaption = value;
    if (value) {
        SetCaption(FSavedCaption);
    } else {
        FSavedCaption = GetText();
        SetCaption("");
    }
    PropertyChanged();
}

void TsSpeedButton::SetBlend(int value) {
    value = std::clamp(value, 0, 100);
    if (FBlend == value) return;
    FBlend = value;
    PropertyChanged();
}

void TsSpeedButton::SetGrayed(bool value) {
    if (FGrayed == value) return;
    FGrayed = value;
    PropertyChanged();
}

void TsSpeedButton::SetDrawOverBorder(bool value) {
    if (FDrawOverBorder == value) return;
    FDrawOverBorder = value;
    PropertyChanged();
}

// --- state and layout ------------------------------------------------------------------------

int TsSpeedButton::CurrentState() const {
    if (State() == bsDown || State() == bsExclusive) return 2;
    return FSkinData->IsHot() ? 1 : 0;
}

TacButtonLayout TsSpeedButton::SkinLayout() const {
    TacButtonLayout layout;
    layout.Width = Width();
    layout.Height = Height();
    layout.Margin = Margin();
    layout.Spacing = Spacing();
    if (!Glyph()->Empty()) {
        layout.GlyphWidth = Glyph()->Width() / NumGlyphs();
        layout.GlyphHeight = Glyph()->Height();
    }
    const std::string caption = GetText();
    layout.HasCaption = FShowCaption && !caption.empty();
    const TSize text = MeasureCaption(Font(), caption, layout.CaptionRoom());
    layout.TextWidth = text.cx;
    layout.TextHeight = text.cy;
    layout.Layout = TSpeedButton::Layout();
    layout.Alignment = FAlignment;
    layout.TextOffset = FTextOffset;
    layout.Pressed = CurrentState() == 2;
    return layout;
}

TRect TsSpeedButton::GlyphRect() const {
    return FSkinData->IsSkinned() ? SkinLayout().GlyphRect() : TSpeedButton::GlyphRect();
}

TRect TsSpeedButton::CaptionRect() const {
    return FSkinData->IsSkinned() ? SkinLayout().CaptionRect() : TSpeedButton::CaptionRect();
}

// --- painting --------------------------------------------------------------------------------

void TsSpeedButton::Paint() {
    TsCommonData& data = *FSkinData;
    const TsSkinManager* manager = data.SkinManager();
    if (manager && manager->Active() && data.SkinSectionIndex() <= 0) data.ResolveSection();
    if (!data.IsSkinned() || !Visible()) return TSpeedButton::Paint();
    if (Width() <= 0 || Height() <= 0 || data.IsPaintSuspended()) return;
    PaintSkinned();
}

// Down, the shown state, the glyph count and the spacing are remembered from the last rebuild;
// a change of any of them, or an image that used the parent's, rebuilds it.
bool TsSpeedButton::NeedsRebuild() {
    TsCommonData& data = *FSkinData;
    bool invalid = data.CacheInvalid() || Down() != FBuiltDown || data.UsesParentImage() ||
                   CurrentState() != FBuiltState;
    const TBitmap* cache = data.CacheBitmap();
    if (!cache || cache->Width() != Width() || cache->Height() != Height()) invalid = true;
    FBuiltDown = Down();
    data.SetUsesParentImage(data.DependsOnParentImage());
    if (!invalid && (NumGlyphs() != FBuiltNumGlyphs || Spacing() != FBuiltSpacing)) invalid = true;
    FBuiltNumGlyphs = NumGlyphs();
    FBuiltSpacing = Spacing();
    data.SetCacheInvalid(invalid);
    return invalid;
}

void TsSpeedButton::PaintSkinned() {
    TsCommonData& data = *FSkinData;
    if (NeedsRebuild() && !data.UpdateLocked()) PrepareCache();
    RestoreTransparentCorners(data, 0, ccAllCorners);
    const TBitmap* cache = data.CacheBitmap();
    if (!cache || cache->Empty()) return;
    Canvas()->Handle()->DrawBitmap(0, 0, cache->Image(), {0, 0, Width(), Height()});
}

void TsSpeedButton::PrepareCache() {
    TsCommonData& data = *FSkinData;
    // Before the parent has painted there is nothing to build on; the image it has stays as it is.
    const TParentImageInfo parent = data.GetParentCacheInfo();
    if (parent.Ready && (!parent.Bmp || parent.Bmp->Width() == 0)) return;
    TBitmap& cache = data.PrepareCacheBitmap();
    cache.Canvas()->Font()->Assign(Font());
    const int state = CurrentState();
    const TacButtonLayout layout = SkinLayout();
    const TRect area{0, 0, Width(), Height()};
    const TPoint pos{Left(), Top()};
    if (FDrawOverBorder) {
        PaintSkinSection(data, parent, true, state, area, pos, &cache.Image(), false);
        RestoreTransparentCorners(data, state, ccAllCorners);
        DrawContent(cache, state, layout);
    } else {
        PaintControlBackground(data, parent, state, cache.Image(), pos, area);
        DrawContent(cache, state, layout);
        const TacSectionPainter painter(*data.SkinModel(), data.SkinSectionIndex(), data.SkinSection());
        painter.BordersByIndex(data.BordersMaskIndex(), cache.Image(), area, state, true, false,
                               TacSectionPainter::ParentBehind(parent, pos, area));
    }
    if (!Enabled()) ApplyControlDisabledLook(data, FDisabledKind, parent);
    FBuiltState = state;
    if (OnPaint) OnPaint(this, &cache);
    data.SetCacheInvalid(false);
}

void TsSpeedButton::DrawContent(TBitmap& cache, int state, const TacButtonLayout& layout) {
    DrawCaption(cache, state, layout.CaptionRect());
    DrawGlyph(cache, state, layout.GlyphRect());
}

// Vertical centring does not reach past one line, so the caption rectangle is exactly as high as
// the whole block and centred in the button; each line is aligned inside it.
void TsSpeedButton::DrawCaption(TBitmap& cache, int state, const TRect& r) {
    const std::string caption = GetText();
    if (!FShowCaption || caption.empty()) return;
    TCanvas& canvas = *cache.Canvas();
    canvas.Brush()->SetStyle(bsClear);
    unsigned flags = AlignmentFlags[FTextAlignment] | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS;
    DrawSkinText(canvas, caption, true, state != 0, *FSkinData, flags, r);
}

void TsSpeedButton::DrawGlyph(TBitmap& cache, int state, const TRect& at) {
    if (Glyph()->Empty()) return;
    TacGlyphLook look;
    look.State = state;
    look.Down = Down();
    look.Enabled = Enabled();
    look.Blend = FBlend;
    look.Grayed = FGrayed;
    look.DisabledKind = FDisabledGlyphKind;
    TacGlyphPainter(Glyph()->Image(), NumGlyphs()).Draw(cache.Image(), at.TopLeft(), look);
}

void TsSpeedButton::RepaintAlone() {
    if (Busy()) return;
    TWinControl* parent = Parent();
    if (!parent || !parent->Visible() || !parent->HandleAllocated()) return;
    SkinCommandToControl(parent, scRepaintingChild, reinterpret_cast<LPARAM>(this));
    Repaint();
    SkinCommandToControl(parent, scRepaintingChild, 0);
}

// Only a look that differs from the image is worth a repaint; the paint rebuilds it.
void TsSpeedButton::ShowChange() {
    if (!FSkinData->IsSkinned()) return;
    if (CurrentState() == FBuiltState && Down() == FBuiltDown && !FSkinData->CacheInvalid()) return;
    RepaintAlone();
}

// --- messages --------------------------------------------------------------------------------

void TsSpeedButton::WndProc(TMessage& message) {
    if (message.Msg == SM_SKINCMD && HandleSkinCommand(message)) return;
    if (message.Msg == WM_ERASEBKGND && FSkinData->IsSkinned()) return;
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TSpeedButton::WndProc(m); });
    if (!alive.expired()) AfterMessage(message);
}

bool TsSpeedButton::HandleSkinCommand(TMessage& message) {
    const auto* manager = reinterpret_cast<const TsSkinManager*>(message.LParam);
    const bool ownManager = manager && manager == FSkinData->SkinManager();
    switch (SkinCmdCode(message.WParam)) {
    case scNewSkin: FSkinData->HandleSkinMessage(message); break;
    case scRemoveSkin:
        FSkinData->HandleSkinMessage(message);
        if (ownManager) Invalidate();
        break;
    case scSetSkin:
        FSkinData->HandleSkinMessage(message);
        if (Visible()) Invalidate();
        break;
    case scParentRepainted:
        if (!FSkinData->IsPaintSuspended()) return true;
        FSkinData->SetPaintSuspended(false);
        RepaintAlone();
        return true;
    case scLockUpdate:
        FSkinData->HandleSkinMessage(message);
        if (FSkinData->UpdateLocked()) PrepareCache();
        return true;
    case scStopFading: return true; // changes are shown at once, nothing is fading
    default: return false;
    }
    FollowSkinOpacity();
    return true;
}

void TsSpeedButton::AfterMessage(const TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (message.LParam == 0) ShowChange();
        break;
    case CM_VISIBLECHANGED: // as the mouse leaving: a button shown again is not hot
        FSkinData->SetMouseInside(false);
        ShowChange();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: ShowChange(); break;
    case CM_ENABLEDCHANGED:
        if (!Visible()) break;
        FSkinData->SetCacheInvalid(true);
        ShowChange();
        break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        if (FShowCaption) FSkinData->Invalidate();
        break;
    default: break;
    }
}
