// The skinned page control's image, painting, hot tabs and page changes.
#include "skin/controls/TsPageControl.h"

#include "skin/paint/BindingPainting.h"
#include "skin/paint/CachePainting.h"
#include "skin/paint/ContainerCommands.h"
#include "skin/paint/ContainerPainting.h"
#include "skin/paint/ParentColors.h"
#include "skin/paint/SectionPainting.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TacOutputWindow.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TBitmap.h"
#include "framework/TCustomForm.h"
#include "framework/TTabSheet.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/window/Win.h"

#include <utility>

TsPageControl::TsPageControl(TComponent* owner)
    : TPageControl(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)), FTabs(*this, *FSkinData, FClose) {
    FSkinData->ApplySkin();
}

TsPageControl::~TsPageControl() = default;

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

// A cover put up for a change that then did not happen goes when the message that asked is done.
void TsPageControl::WndProc(TMessage& message) {
    std::weak_ptr<int> alive = AliveToken();
    ++FMessageDepth;
    HandleMessage(message);
    if (alive.expired()) return;
    if (--FMessageDepth == 0) FCover.reset();
}

void TsPageControl::HandleMessage(TMessage& message) {
    if (Skinned() && BeforeSkinned(message)) return;
    std::weak_ptr<int> alive = AliveToken();
    RouteContainerMessage(*this, *FSkinData, message, [this](TMessage& m) { TPageControl::WndProc(m); });
    if (alive.expired()) return;
    if (message.Msg == SM_SKINCMD) {
        const std::uint16_t code = SkinCmdCode(message.WParam);
        if (code == scSetSkin || code == scRemoveSkin) RedrawWhole();
    } else if (Skinned()) {
        AfterSkinned(message);
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
    default: break;
    }
}

void TsPageControl::Paint(TMessage& message) {
    if (auto given = reinterpret_cast<HDC>(message.WParam)) {
        if (!Updating()) PaintTo(given);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc && !Updating()) PaintTo(dc);
    EndPaint(Handle(), &ps);
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
    FTabs.PaintArrows(dc);
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

bool TsPageControl::CanChange() {
    const bool allowed = TPageControl::CanChange();
    const TsSkinManager* manager = FSkinData->SkinManager();
    if (allowed && Skinned() && manager && manager->AnimEffects().PageChange.Active && Showing()) Cover();
    if (!allowed) FCover.reset();
    return allowed;
}

// The control as the screen shows it, held over the control while the pages change under it.
void TsPageControl::Cover() {
    TCustomForm* form = GetParentForm();
    HDC screen = GetWindowDC(Handle());
    if (!form || !screen) return;
    FCoverPicture = Bitmap(Width(), Height());
    DeviceContext(&FCoverPicture).BitBlt(0, 0, Width(), Height(), *screen, 0, 0);
    ReleaseDC(Handle(), screen);
    TRect bounds;
    GetWindowRect(Handle(), &bounds);
    FCover = std::make_unique<TacOutputWindow>(form->Handle(), bounds, false);
    FCover->Show(FCoverPicture);
}

// The new page and its tabs are painted whole before the cover goes.
void TsPageControl::Change() {
    TPageControl::Change();
    if (Skinned()) {
        FHotTab = -1;
        FSkinData->SetCacheInvalid(true);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    FCover.reset();
}

void TsPageControl::RedrawWhole() {
    FSkinData->SetCacheInvalid(true);
    if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TsPageControl::SetShowCloseBtns(bool value) {
    if (FClose.Show == value) return;
    FClose.Show = value;
    FSkinData->Invalidate();
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

void TsPageControl::Loaded() {
    TPageControl::Loaded();
    FSkinData->ApplySkin();
}
