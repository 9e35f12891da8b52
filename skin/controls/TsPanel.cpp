// The skinned panel: its image, its painting around its children and its message route.
#include "skin/controls/TsPanel.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/ContainerCommands.h"
#include "skin/paint/ContainerPainting.h"
#include "skin/paint/PaintCycle.h"
#include "skin/paint/ParentQueries.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TBitmap.h"
#include "platform/text/TextDraw.h"
#include "platform/window/PaintApi.h"

namespace {

constexpr unsigned AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

} // namespace

TsPanel::TsPanel(TComponent* owner) : TsPanel(owner, ControlKindCode) {}

TsPanel::TsPanel(TComponent* owner, int controlKind)
    : TPanel(owner), FSkinData(std::make_unique<TsCommonData>(this, controlKind)) {
    FSkinData->ApplySkin();
}

void TsPanel::Loaded() {
    TPanel::Loaded();
    FSkinData->ApplySkin();
}

bool TsPanel::Skinned() const {
    return IsReadyToPaint(*this) && FSkinData->IsSkinned();
}

// --- painting --------------------------------------------------------------------------------

void TsPanel::Paint() {
    TPanel::Paint();
    PaintContent(*Canvas());
    if (OnPaint && !ComponentState().Contains(csLoading) && Visible()) OnPaint(this, Canvas());
}

void TsPanel::PaintPanel(HDC dc, bool notifyChildren) {
    TsCommonData& data = *FSkinData;
    if (!Showing() || !data.IsSkinned(false)) return;
    data.SetPaintSuspended(data.IsPaintSuspended());
    if (data.PaintSuspended()) return;
    const TBitmap* cache = data.CacheBitmap();
    const bool sizeChanged = !cache || cache->Width() != Width() || cache->Height() != Height();
    const bool rebuild = data.UsesParentImage() || data.CacheInvalid() || sizeChanged;
    if (!dc) dc = Canvas()->Handle();
    // Painting part of a see-through panel leaves the rest of its image stale.
    TRect clip;
    dc->GetClipBox(&clip);
    data.SetUsesParentImage(data.DependsOnParentImage() && (clip.Width() != Width() || clip.Height() != Height()));
    if (rebuild && !data.UpdateLocked()) PrepareCache();
    // Only what the device lets through is copied: the children outside it need not be kept out.
    const TRect d = clip.Intersect({0, 0, Width(), Height()});
    CopyCacheExcludingChildren(*this, data, d.TopLeft(), d, dc, true);
    PaintGraphicChildren(dc, *this);
    if (notifyChildren) NotifyChildrenRepainted(*this);
}

TRect TsPanel::BevelledArea() const {
    int inset = BorderWidth();
    if (BevelInner() != bvNone) inset += BevelWidth();
    if (BevelOuter() != bvNone) inset += BevelWidth();
    return TRect{0, 0, Width(), Height()}.Inflate(-inset, -inset);
}

void TsPanel::PrepareCache() {
    TsCommonData& data = *FSkinData;
    TBitmap& cache = data.PrepareCacheBitmap();
    const TParentImageInfo parent = data.GetParentCacheInfo();
    PaintSkinSection(data, parent, data.ControlKind() == ckDragBar, 0, {0, 0, Width(), Height()}, {Left(), Top()},
                     &cache.Image(), true);
    DrawCaption(BevelledArea());
    PaintContent(*cache.Canvas());
    if (OnPaint) OnPaint(this, cache.Canvas());
    data.SetCacheInvalid(false);
}

void TsPanel::DrawCaption(TRect r) {
    const std::string caption = GetText();
    TBitmap* cache = FSkinData->CacheBitmap();
    if (caption.empty() || !cache) return;
    TCanvas& canvas = *cache->Canvas();
    canvas.Font()->Assign(Font());
    canvas.Brush()->SetStyle(bsClear);
    const int h = canvas.TextHeight("W");
    r.Top = (r.Top + r.Bottom - h) / 2;
    r.Bottom = r.Top + h;
    const unsigned flags = AlignmentFlags[Alignment()] | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
    DrawSkinText(canvas, caption, Enabled(), false, *FSkinData, flags, r);
}

void TsPanel::WMPaint(TMessage& message) {
    if (!Skinned()) return TPanel::WMPaint(message);
    if (!Visible() && !ComponentState().Contains(csDesigning)) return TPanel::WMPaint(message);
    PaintInCycle(Handle(), reinterpret_cast<HDC>(message.WParam), [this](HDC dc) { PaintPanel(dc, true); });
}

void TsPanel::WMEraseBkgnd(TMessage& message) {
    if (Skinned() || (!FSkinData->IsSkinned() && OnPaint)) {
        message.Result = 1;
        return;
    }
    TPanel::WMEraseBkgnd(message);
}

void TsPanel::WMPrintClient(TMessage& message) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!Skinned()) return TPanel::WMPrintClient(message);
    FSkinData->SetPaintSuspended(false);
    if (FSkinData->CacheInvalid()) PrepareCache();
    RestoreTransparentCorners(*FSkinData, 0, ccAllCorners);
    if (dc) PaintPanel(dc, false);
}

// --- messages --------------------------------------------------------------------------------

void TsPanel::WndProc(TMessage& message) {
    if (message.Msg == SM_SKINCMD) return HandleSkinCommand(message);
    if (BeforeMessage(message)) return;
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TPanel::WndProc(m); });
    if (!alive.expired()) AfterMessage(message);
}

void TsPanel::HandleSkinCommand(TMessage& message) {
    const auto* manager = reinterpret_cast<const TsSkinManager*>(message.LParam);
    const bool ownManager = manager && manager == FSkinData->SkinManager();
    const std::uint16_t code = SkinCmdCode(message.WParam);
    const bool wholeTree = code == scNewSkin || code == scRemoveSkin || code == scSetSkin || code == scIsSkinned ||
                           code == scGetApplication;
    if (!wholeTree && !Skinned()) return;
    switch (code) {
    case scParentRepainted:
        if (!FSkinData->IsPaintSuspended()) return;
        FSkinData->SetPaintSuspended(false);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    case scLockUpdate:
        FSkinData->HandleSkinMessage(message);
        if (FSkinData->UpdateLocked()) PrepareCache();
        return;
    default: break;
    }
    HandleContainerSkinCommand(*this, *FSkinData, message);
    if (code == scRemoveSkin && ownManager) Invalidate();
    if (code == scSetSkin && ownManager && HandleAllocated()) Repaint();
}

bool TsPanel::BeforeMessage(TMessage& message) {
    if (!Skinned()) return false;
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        if (Parent()) FSkinData->Invalidate();
        return true;
    case CM_COLORCHANGED:
        if (FSkinData->CustomColor()) FSkinData->SetCacheInvalid(true);
        return false;
    case CM_VISIBLECHANGED:
        FSkinData->SetCacheInvalid(true);
        FSkinData->SetPaintSuspended(false);
        return false;
    default: return false;
    }
}

void TsPanel::AfterMessage(const TMessage& message) {
    if (!Skinned()) return;
    switch (message.Msg) {
    case CM_FONTCHANGED:
        if (GetText().empty()) break;
        FSkinData->SetCacheInvalid(true);
        Repaint();
        break;
    case CM_ENABLEDCHANGED: FSkinData->Invalidate(); break;
    default: break;
    }
}
