// The skinned speed button: its image from the skin, its properties and its message route.
#include "skin/controls/TsSpeedButton.h"

#include "skin/controls/TacGlyphPainter.h"
#include "skin/paint/BindingPainting.h"
#include "skin/paint/MaskedImage.h"
#include "skin/paint/TacMaskView.h"
#include "skin/paint/TacSectionPainter.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TApplication.h"
#include "framework/TPopupMenu.h"
#include "framework/TWinControl.h"
#include "platform/text/TextDraw.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/InputApi.h"

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
        if (FCopyingGlyph) return;
        FGlyphFromList = false;
        if (!Busy()) FSkinData->SetCacheInvalid(true);
        Invalidate();
    };
    FImageLink.OnChange = [this](TObject*) { ImagesChanged(); };
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

void TsSpeedButton::SetImages(TCustomImageList* list) {
    if (FImages == list) return;
    FImageLink.Follow(list, this);
    FImages = list;
    if (!FSkinData->IsSkinned()) ClearGlyph();
    PropertyChanged();
}

void TsSpeedButton::SetImageIndex(int index) {
    if (FImageIndex == index) return;
    FImageIndex = index;
    if (!FSkinData->IsSkinned()) ClearGlyph();
    PropertyChanged();
}

// A copy of the list's image made for the plain look is out of date once the list changes.
void TsSpeedButton::ImagesChanged() {
    if (FGlyphFromList) ClearGlyph();
    PropertyChanged();
}

void TsSpeedButton::SetDropdownMenu(TPopupMenu* menu) {
    if (FDropdownMenu == menu) return;
    if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
    FDropdownMenu = menu;
    if (menu) menu->FreeNotification(this);
}

void TsSpeedButton::Notification(TComponent* component, TOperation operation) {
    TSpeedButton::Notification(component, operation);
    if (operation == opRemove && component == FDropdownMenu) FDropdownMenu = nullptr;
    if (operation != opRemove || component != FImages) return;
    FImages = nullptr;
    if (ComponentState().Contains(csDestroying)) return;
    if (FGlyphFromList) ClearGlyph();
    PropertyChanged();
}

void TsSpeedButton::ClearGlyph() {
    if (Glyph()->Empty()) FGlyphFromList = false;
    else Glyph()->Assign(nullptr);
}

bool TsSpeedButton::UsesListGlyph() const {
    return Glyph()->Empty() && FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
}

TSize TsSpeedButton::GlyphSize() const {
    if (!Glyph()->Empty()) return {Glyph()->Width() / NumGlyphs(), Glyph()->Height()};
    if (FImages && FImageIndex >= 0) return {FImages->Width(), FImages->Height()};
    return {};
}

// The plain look draws Glyph; it gets the list's image, marked so that it goes again when the
// list, the index or the skin changes.
void TsSpeedButton::CopyListGlyph() {
    if (!UsesListGlyph()) return;
    FCopyingGlyph = true;
    FImages->GetBitmap(FImageIndex, Glyph());
    FCopyingGlyph = false;
    FGlyphFromList = true;
}

void TsSpeedButton::SetButtonStyle(TToolButtonStyle style) {
    if (FButtonStyle == style) return;
    const int arrowBefore = ArrowWidth();
    FButtonStyle = style;
    if (ArrowWidth() != arrowBefore && !ComponentState().Contains(csLoading))
        SetWidth(std::max(0, Width() + ArrowWidth() - arrowBefore));
    PropertyChanged();
}

// --- state and layout ------------------------------------------------------------------------

int TsSpeedButton::CurrentState() const {
    if (FMenuShown || State() == bsDown || State() == bsExclusive) return 2;
    return FSkinData->IsHot() ? 1 : 0;
}

TacButtonLayout TsSpeedButton::SkinLayout() const {
    TacButtonLayout layout;
    layout.Width = Width();
    layout.Height = Height();
    layout.Margin = Margin();
    layout.Spacing = Spacing();
    layout.Arrow = ArrowWidth();
    const TSize glyph = GlyphSize();
    layout.GlyphWidth = glyph.cx;
    layout.GlyphHeight = glyph.cy;
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

TRect TsSpeedButton::FaceRect() const {
    TRect face = ClientRect();
    face.Right -= ArrowWidth();
    return face;
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
    if (!data.IsSkinned() || !Visible()) return PaintPlain();
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
    if (IsGap()) {
        DrawGap(cache, parent);
        FBuiltState = CurrentState();
        if (OnPaint) OnPaint(this, &cache);
        data.SetCacheInvalid(false);
        return;
    }
    const int state = CurrentState();
    const TacButtonLayout layout = SkinLayout();
    const TRect area{0, 0, Width() - ArrowWidth(), Height()};
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
    if (FButtonStyle == tbsDropDown) DrawArrowPart(cache, parent);
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
    TacGlyphLook look;
    look.State = state;
    look.Down = Down();
    look.Enabled = Enabled();
    look.Blend = FBlend;
    look.Grayed = FGrayed;
    look.DisabledKind = FDisabledGlyphKind;
    if (!Glyph()->Empty()) TacGlyphPainter(Glyph()->Image(), NumGlyphs()).Draw(cache.Image(), at.TopLeft(), look);
    else if (UsesListGlyph()) DrawListGlyph(cache, look, at);
}

// The list's image on its background colour, which then serves as the key colour.
void TsSpeedButton::DrawListGlyph(TBitmap& cache, const TacGlyphLook& look, const TRect& at) {
    TBitmap image;
    if (!FImages->GetBitmap(FImageIndex, &image)) return;
    TacGlyphPainter::DrawListImage(cache.Image(), at.TopLeft(), image.Image(), FImages->BackgroundColor(), look);
}

int TsSpeedButton::ArrowPartState() const {
    if (FMenuShown || Down() || State() == bsDown || State() == bsExclusive) return 2;
    return FSkinData->IsHot() ? 1 : 0;
}

// The skin's arrow is the combo box's: the one drop-down arrow image a skin has.
void TsSpeedButton::DrawArrowPart(TBitmap& cache, const TParentImageInfo& parent) {
    TsCommonData& data = *FSkinData;
    const TRect part{Width() - ArrowPartWidth, 0, Width(), Height()};
    const int state = ArrowPartState();
    PaintSkinSection(data, parent, true, state, part, {Left() + part.Left, Top()}, &cache.Image(), false);
    const TsSkinManager* manager = data.SkinManager();
    const TsSkinModel* skin = data.SkinModel();
    if (!manager || !skin) return;
    const int index = manager->CachedIndexes().ComboGlyph;
    if (index < 0 || index >= static_cast<int>(skin->Masks.size())) return;
    const TsMaskData& arrow = skin->Masks[static_cast<std::size_t>(index)];
    const TacMaskView view(arrow);
    const TPoint at{part.Left + (ArrowPartWidth - view.StateWidth()) / 2 + 1, (Height() - view.StateHeight()) / 2};
    DrawSkinImage(cache.Image(), at, state, arrow, 1);
}

// A gap shows what lies behind it; a divider adds the skin's DIVIDER line down its middle.
void TsSpeedButton::DrawGap(TBitmap& cache, const TParentImageInfo& parent) {
    Bitmap& image = cache.Image();
    if (parent.Ready && parent.Bmp)
        image.CopyRect(0, 0, *parent.Bmp, Bounds(Left() + parent.X, Top() + parent.Y, Width(), Height()));
    else
        image.Fill(ColorToRGB(Parent() ? Parent()->Color() : clBtnFace));
    TsSkinModel* skin = FSkinData->SkinModel();
    if (FButtonStyle != tbsDivider || !skin) return;
    const int section = skin->SectionIndex("DIVIDER");
    const int mask = skin->MaskIndex(section, "DIVIDER", "BORDERSMASK");
    if (mask < 0) return;
    const int w = TacMaskView(skin->Masks[static_cast<std::size_t>(mask)]).StateWidth();
    const TRect line{(Width() - w) / 2, 0, (Width() + w) / 2, Height()};
    const TRect area = image.BoundsRect();
    const TacSectionPainter painter(*skin, section, "DIVIDER");
    painter.Borders(image, line, 0, true, false, TacSectionPainter::ParentBehind(parent, {Left(), Top()}, area));
}

// --- the plain look ----------------------------------------------------------------------------

void TsSpeedButton::PaintPlain() {
    HDC dc = Canvas()->Handle();
    if (IsGap() && !Transparent()) dc->FillRect(ClientRect(), ColorToRGB(clBtnFace));
    if (FButtonStyle == tbsSeparator) return;
    if (FButtonStyle == tbsDivider) {
        // An etched line across the longer side's middle, as tool bars part their groups.
        const bool vertical = Height() >= Width();
        TRect line = vertical ? TRect{Width() / 2 - 1, 2, Width() / 2 + 1, Height() - 2}
                              : TRect{2, Height() / 2 - 1, Width() - 2, Height() / 2 + 1};
        ClassicStyle::DrawEdge(dc, &line, EDGE_ETCHED, vertical ? BF_LEFT : BF_TOP);
        return;
    }
    CopyListGlyph();
    TSpeedButton::Paint();
    if (FButtonStyle == tbsDropDown) PaintPlainArrow();
}

void TsSpeedButton::PaintPlainArrow() {
    TRect part{Width() - ArrowPartWidth, 0, Width(), Height()};
    PaintFrame(part);
    const int middle = Height() / 2;
    const TRect square{Width() - ArrowPartWidth, middle - 6, Width(), middle + 6};
    const TRect at = State() == bsDown || State() == bsExclusive ? square.Offset(1, 1) : square;
    ClassicStyle::DrawArrow(Canvas()->Handle(), at, TArrowDirection::adDown,
                            ColorToRGB(Enabled() ? clBtnText : clBtnShadow));
}

bool TsSpeedButton::OpensMenuAt(int x) const {
    if (FButtonStyle != tbsDropDown || !FDropdownMenu || !Enabled()) return false;
    return x > Width() - ArrowPartWidth || !OnClick;
}

// The menu runs its own loop; hints would only cover it. Afterwards the pointer may be
// elsewhere, and the button is left unless it is back over it.
void TsSpeedButton::ShowDropdownMenu() {
    const bool hints = Application->ShowHint();
    Application->SetShowHint(false);
    FMenuShown = true;
    FSkinData->SetCacheInvalid(true);
    RepaintAlone();
    const std::weak_ptr<int> alive = AliveToken();
    const TPoint at = ClientToScreen({0, Height() + 1});
    try {
        FDropdownMenu->Popup(at.X, at.Y);
    } catch (...) {
        Application->SetShowHint(hints);
        if (!alive.expired()) FMenuShown = false;
        throw;
    }
    Application->SetShowHint(hints);
    if (alive.expired()) return;
    FMenuShown = false;
    TPoint cursor;
    GetCursorPos(&cursor);
    if (!ClientRect().Contains(ScreenToClient(cursor))) Perform(CM_MOUSELEAVE);
    FSkinData->SetCacheInvalid(true);
    RepaintAlone();
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
    if (IsGap() && message.Msg >= WM_LBUTTONDOWN && message.Msg <= WM_MBUTTONDBLCLK) return; // a gap takes no clicks
    if (message.Msg == WM_LBUTTONDOWN && OpensMenuAt(LParamToPoint(message.LParam).X)) return ShowDropdownMenu();
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TSpeedButton::WndProc(m); });
    if (!alive.expired()) AfterMessage(message);
}

bool TsSpeedButton::HandleSkinCommand(TMessage& message) {
    const auto* manager = reinterpret_cast<const TsSkinManager*>(message.LParam);
    const bool ownManager = manager && manager == FSkinData->SkinManager();
    switch (SkinCmdCode(message.WParam)) {
    case scNewSkin:
        if (ownManager && FImages && FImages->Count() > 0) ClearGlyph();
        FSkinData->HandleSkinMessage(message);
        break;
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
