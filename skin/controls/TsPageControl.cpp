// The skinned page control's image, painting, hot tabs and page changes.
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsUpDown.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/CachePainting.h"
#include "skin/paint/ContainerCommands.h"
#include "skin/paint/ContainerPainting.h"
#include "skin/paint/PaintCycle.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/SectionPainting.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TacOutputWindow.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "framework/TCustomForm.h"
#include "framework/TTabSheet.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/window/Win.h"

#include <utility>

namespace {
// Posted by a plain close button: lParam the sheet to close.
constexpr UINT CM_CLOSETAB = WM_APP + 0x7A1;
} // namespace

TsPageControl::TsPageControl(TComponent* owner)
    : TPageControl(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)), FTabs(*this, *FSkinData, FClose, FScroller) {
    FSkinData->ApplySkin();
    FTabBtns.OnClick = [this](TTabSheet* page) { CloseLater(page); };
}

TsPageControl::~TsPageControl() {
    BeforeDestruction();
}

// A skin without the side's own section paints the page area from "PAGECONTROL" rather than
// leave it unpainted.
std::string TsPageControl::PageSectionName() const {
    const std::string& own = FSkinData->SkinSection();
    static const char* const BySide[] = {"PAGECONTROL", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT"};
    const TsSkinModel* skin = FSkinData->SkinModel();
    if (own != "PAGECONTROL" || !skin || skin->SectionIndex(BySide[TabPosition()]) < 0) return own;
    return BySide[TabPosition()];
}

void TsPageControl::PrepareCache() {
    TBitmap& cache = FSkinData->PrepareCacheBitmap();
    const TParentImageInfo parent = FSkinData->GetParentCacheInfo();
    if (PageCount() > 0) FTabs.PaintTabsArea(parent);
    const TRect page = FGeometry.PageRect();
    const TPoint at{Left() + page.Left, Top() + page.Top};
    const std::string section = PageSectionName();
    if (section == FSkinData->SkinSection()) {
        PaintSkinSection(*FSkinData, parent, true, 0, page, at, &cache.Image(), false);
    } else {
        PaintSideSection(section, parent, page, at);
    }
    FSkinData->SetCacheInvalid(false);
}

// The page area of tabs below or beside it, from the side's section, keyed to the parent's colour.
void TsPageControl::PaintSideSection(const std::string& section, const TParentImageInfo& parent, const TRect& page, TPoint at) {
    TsSkinManager* manager = FSkinData->SkinManager();
    const TsSkinModel* skin = FSkinData->SkinModel();
    if (!manager || !skin) return;
    const int index = skin->SectionIndex(section);
    if (Parent()) ParentKeyColor = ParentFillColor = ColorToRGB(Parent()->Color());
    PaintSkinSectionByIndex(index, section, parent, manager->TextureIndex(index, section, "HOTPATTERN"),
                            manager->TextureIndex(index, section, "PATTERN"), manager, &FSkinData->CacheBitmap()->Image(), at,
                            page, 0, true);
    ResetParentColors();
}

// A cover put up for a change that then did not happen goes when the message that asked is done;
// the mouse is looked at again, as the cover may have hidden its moves.
void TsPageControl::WndProc(TMessage& message) {
    std::weak_ptr<int> alive = AliveToken();
    ++FMessageDepth;
    HandleMessage(message);
    if (alive.expired()) return;
    if (--FMessageDepth > 0 || !FAnimation.Covering()) return;
    FAnimation.Cancel();
    FHotTab = -1;
    TPoint p;
    GetCursorPos(&p);
    if (HandleAllocated()) PostMessage(Handle(), WM_MOUSEMOVE, 0, PointToLParam(ScreenToClient(p)));
}

void TsPageControl::HandleMessage(TMessage& message) {
    if (message.Msg == CM_CLOSETAB) {
        for (int i = 0; i < PageCount(); ++i)
            if (Pages(i) == reinterpret_cast<TTabSheet*>(message.LParam)) return CloseClicked(i);
        return;
    }
    if (Skinned() && BeforeSkinned(message)) return;
    std::weak_ptr<int> alive = AliveToken();
    RouteContainerMessage(*this, *FSkinData, message, [this](TMessage& m) { TPageControl::WndProc(m); });
    if (alive.expired()) return;
    if (message.Msg == SM_SKINCMD) {
        const std::uint16_t code = SkinCmdCode(message.WParam);
        if (code == scNewSkin || code == scSetSkin || code == scRemoveSkin) RebuildRow();
        if (code == scSetSkin || code == scRemoveSkin) RedrawWhole();
    } else if (RowMayChange(message.Msg)) {
        RebuildRow();
    }
    if (message.Msg != SM_SKINCMD && Skinned()) AfterSkinned(message);
}

// Messages after which the row of tabs may fit differently (or the platform has made its own
// scroller again).
bool TsPageControl::RowMayChange(UINT msg) {
    switch (msg) {
    case WM_SIZE:
    case WM_SETFONT:
    case WM_STYLECHANGED:
    case WM_PRINT:
    case TCM_INSERTITEM:
    case TCM_DELETEITEM:
    case TCM_DELETEALLITEMS:
    case TCM_SETITEM:
    case TCM_SETITEMSIZE:
    case WM_HSCROLL:
    case CM_CONTROLLISTCHANGE: return true;
    default: return false;
    }
}

bool TsPageControl::BeforeSkinned(TMessage& message) {
    if (FClose.Show && CloseButtonMouse(message)) return true;
    switch (message.Msg) {
    case WM_PAINT: Paint(message); return true;
    case WM_ERASEBKGND: message.Result = 1; return true;
    default: return false;
    }
}

void TsPageControl::AfterSkinned(const TMessage& message) {
    switch (message.Msg) {
    case TCM_SETCURSEL:
        FHotTab = -1;
        FSkinData->Invalidate();
        break;
    case TCM_INSERTITEM:
    case TCM_DELETEITEM:
    case TCM_SETITEM:
    case TCM_SETITEMSIZE:
    case WM_HSCROLL:
    case WM_STYLECHANGED: FSkinData->Invalidate(); break;
    case WM_MOUSEMOVE: TrackMouse(LParamToPoint(message.LParam)); break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        ShowHot(-1);
        if (FClose.HotPage >= 0) {
            FClose.HotPage = -1;
            FSkinData->Invalidate();
        }
        break;
    case WM_LBUTTONDOWN: Pressed(LParamToPoint(message.LParam)); break;
    case WM_LBUTTONUP: Released(LParamToPoint(message.LParam)); break;
    default: break;
    }
}

void TsPageControl::Paint(TMessage& message) {
    PaintInCycle(Handle(), reinterpret_cast<HDC>(message.WParam), [this](HDC dc) {
        if (dc && !Updating()) PaintTo(dc);
    });
}

// The image around the active tab and the children, then the active tab over the page area.
void TsPageControl::PaintTo(HDC dc) {
    const bool outside = PartlyOutsideParent();
    if (outside || FWasOutside) FSkinData->SetCacheInvalid(true);
    FWasOutside = outside;
    if (!ReadyCache(*this)) return;
    const int active = ActivePageIndex();
    const int saved = dc->SaveDC();
    if (active >= 0) dc->ExcludeClipRect(FGeometry.TabRect(active, true));
    CopyCacheExcludingChildren(*this, *FSkinData, {0, 0}, ClientRect(), dc, false);
    PaintGraphicChildren(dc, *this);
    dc->RestoreDC(saved);
    if (active >= 0) FTabs.PaintTabOnDevice(dc, active, 2);
    if (FHotTab >= 0) FTabs.PaintTabOnDevice(dc, FHotTab, HotTrack() ? 1 : 0);
}

// A corner outside the parent's client area: what lies behind may have changed unseen.
bool TsPageControl::PartlyOutsideParent() const {
    if (!Parent()) return false;
    const TRect client = Parent()->ClientRect();
    const TRect mine = BoundsRect();
    return !client.Contains({mine.Left, mine.Top}) || !client.Contains({mine.Right - 1, mine.Bottom - 1});
}

void TsPageControl::TrackMouse(TPoint p) {
    if (FClose.Show) {
        const int hot = CloseAt(p);
        if (hot != FClose.HotPage) {
            FClose.HotPage = hot;
            FSkinData->Invalidate();
        }
    }
    if (!HotTrack() && Style() == tsTabs && !FClose.Show) return;
    ShowHot(FGeometry.TabsRect().Contains(p) ? FGeometry.PageAt(p) : -1);
}

// The old hot tab goes back to normal; the new one (never the active one) shows hot when the
// control tracks hot tabs, else normal.
void TsPageControl::ShowHot(int page) {
    if (page >= 0 && page < PageCount() && Pages(page) == ActivePage()) page = -1;
    if (page == FHotTab || !HandleAllocated()) return;
    HDC dc = GetDC(Handle());
    if (!dc) return;
    if (FHotTab >= 0) FTabs.PaintTabOnDevice(dc, FHotTab, 0);
    FHotTab = page;
    if (page >= 0) FTabs.PaintTabOnDevice(dc, page, HotTrack() ? 1 : 0);
    ReleaseDC(Handle(), dc);
}

// Buttons look pressed under the mouse until the page changes.
void TsPageControl::Pressed(TPoint p) {
    if (Style() == tsTabs || !HandleAllocated()) return;
    const int page = FGeometry.PageAt(p);
    if (page < 0 || Pages(page) == ActivePage()) return;
    HDC dc = GetDC(Handle());
    if (!dc) return;
    FTabs.PaintTabOnDevice(dc, page, 1);
    ReleaseDC(Handle(), dc);
}

const TacFormAnimation* TsPageControl::PageChangeEffect() const {
    const TsSkinManager* manager = FSkinData->SkinManager();
    if (!manager || !Skinned() || !manager->AnimEffects().PageChange.Active) return nullptr;
    return &manager->AnimEffects().PageChange;
}

// The control as the screen shows it stays over the control while the pages change under it.
// A press that chose no page (refused, or on the active one) leaves the button as the mouse
// over it shows it.
void TsPageControl::Released(TPoint p) {
    if (Style() == tsTabs) return;
    FHotTab = -1;
    ShowHot(FGeometry.TabsRect().Contains(p) ? FGeometry.PageAt(p) : -1);
}

bool TsPageControl::CanChange() {
    const bool allowed = TPageControl::CanChange();
    if (allowed && PageChangeEffect() && Showing()) FAnimation.Cover();
    if (!allowed) FAnimation.Cancel();
    return allowed;
}

// The new page and its tabs are painted whole under the cover; then the blend shows them.
void TsPageControl::Change() {
    TPageControl::Change();
    if (Skinned()) {
        FHotTab = -1;
        FScroller.Update();
        FSkinData->SetCacheInvalid(true);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    const TacFormAnimation* effect = PageChangeEffect();
    if (effect) FAnimation.Play(effect->Time);
    else FAnimation.Cancel();
}

void TsPageControl::RedrawWhole() {
    FSkinData->SetCacheInvalid(true);
    if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TsPageControl::SetShowCloseBtns(bool value) {
    if (FClose.Show == value) return;
    FClose.Show = value;
    FTabBtns.Update(value);
    FSkinData->Invalidate();
}

void TsPageControl::RebuildRow() {
    FScroller.Update();
    FTabBtns.Update(FClose.Show);
}

// A plain close button's click closes its page once the click is done with the button.
void TsPageControl::CloseLater(TTabSheet* page) {
    if (HandleAllocated()) PostMessage(Handle(), CM_CLOSETAB, 0, reinterpret_cast<LPARAM>(page));
}

void TsPageControl::SetCloseBtnSkin(const std::string& section) {
    FClose.Skin = section;
    FSkinData->Invalidate();
}

int TsPageControl::CloseAt(TPoint p) const {
    for (int i = 0; i < PageCount(); ++i) {
        const bool active = Pages(i) == ActivePage();
        if (FTabs.CloseSquare(i, active ? 2 : 0).Contains(p)) return i;
    }
    return -1;
}

// A press on a close button presses it (the tab is not chosen); the release over the same one
// closes its page.
bool TsPageControl::CloseButtonMouse(TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN) {
        const int page = CloseAt(LParamToPoint(message.LParam));
        if (page < 0) return false;
        FClose.PressedPage = page;
        SetCapture(Handle());
        FSkinData->Invalidate();
        return true;
    }
    if (message.Msg != WM_LBUTTONUP || FClose.PressedPage < 0) return false;
    const int pressed = std::exchange(FClose.PressedPage, -1);
    ReleaseCapture();
    FSkinData->Invalidate();
    if (CloseAt(LParamToPoint(message.LParam)) == pressed) CloseClicked(pressed);
    return true;
}

void TsPageControl::CloseClicked(int page) {
    TTabSheet* sheet = Pages(page);
    bool canClose = true;
    TacCloseAction action = acaFree;
    std::weak_ptr<int> alive = AliveToken();
    if (OnCloseBtnClick) OnCloseBtnClick(this, sheet->TabIndex(), canClose, action);
    if (alive.expired() || !canClose || page >= PageCount() || Pages(page) != sheet) return;
    if (action == acaFree) delete sheet;
    else sheet->SetTabVisible(false);
    FSkinData->Invalidate();
}

bool TsPageControl::OffersHint() const {
    if (TPageControl::OffersHint()) return true;
    for (int i = 0; i < PageCount(); ++i)
        if (!Pages(i)->Hint().empty()) return true;
    return false;
}

void TsPageControl::CMHintShow(TMessage& message) {
    TPageControl::CMHintShow(message);
    auto* info = reinterpret_cast<THintInfo*>(message.LParam);
    if (!info) return;
    const TPoint p = info->CursorPos;
    const int page = FGeometry.TabsRect().Contains(p) ? FGeometry.PageAt(p) : -1;
    if (page < 0) {
        // Between tabs any move may reach one; below them only leaving the page area can.
        info->CursorRect = FGeometry.TabsRect().Contains(p) ? TRect{p.X, p.Y, p.X + 1, p.Y + 1} : FGeometry.PageRect();
        return;
    }
    info->HintStr = Pages(page)->Hint();
    info->CursorRect = FGeometry.TabRect(page, false);
    const TPoint screen = ClientToScreen(p);
    info->HintPos = {screen.X + GetSystemMetrics(SM_CXCURSOR) / 2, screen.Y + GetSystemMetrics(SM_CYCURSOR) / 2};
}

void TsPageControl::Loaded() {
    TPageControl::Loaded();
    FSkinData->ApplySkin();
    RebuildRow();
}
