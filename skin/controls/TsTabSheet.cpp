// The skinned tab sheet: the page control's image under it, and the route of its messages.
#include "skin/controls/TsTabSheet.h"

#include "skin/controls/TsPageControl.h"
#include "skin/paint/ContainerCommands.h"
#include "skin/paint/ContainerPainting.h"
#include "skin/paint/PaintCycle.h"
#include "skin/paint/ParentQueries.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/SkinCommands.h"

#include "framework/TBitmap.h"
#include "platform/window/Win.h"

TsTabSheet::TsTabSheet(TComponent* owner)
    : TTabSheet(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->ApplySkin();
}

TsPageControl* TsTabSheet::SkinnedPageControl() const {
    auto* control = dynamic_cast<TsPageControl*>(PageControl());
    return control && control->SkinData()->IsSkinned() ? control : nullptr;
}

void TsTabSheet::WndProc(TMessage& message) {
    if (SkinnedPageControl() && PaintsFromPageControl(message)) return;
    RouteContainerMessage(*this, *FSkinData, message, [this](TMessage& m) { TTabSheet::WndProc(m); });
}

// The sheet shows the page control's image; its children ask the page control what lies behind.
bool TsTabSheet::PaintsFromPageControl(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT: Paint(message); return true;
    case WM_ERASEBKGND: message.Result = 1; return true;
    case SM_SKINCMD:
        switch (SkinCmdCode(message.WParam)) {
        case scGetCacheInfo: CacheInfoAnswer = CacheInfoOf(*SkinnedPageControl()).Shifted(Left(), Top()); return true;
        case scMayIPaint:
            // The sheet has no image of its own: its children wait for the page control's.
            message.Result = SkinCommandToControl(SkinnedPageControl(), scMayIPaint, 0);
            message.LParam = message.Result;
            return true;
        default: return false;
        }
    default: return false;
    }
}

void TsTabSheet::Paint(TMessage& message) {
    TsPageControl* control = SkinnedPageControl();
    PaintInCycle(Handle(), reinterpret_cast<HDC>(message.WParam), [this, control](HDC dc) {
        const TBitmap* cache = control->SkinData()->CacheBitmap();
        if (!dc || !cache || cache->Empty()) return;
        CopyCacheExcludingChildren(*this, *control->SkinData(), {Left(), Top()}, ClientRect(), dc, false);
        PaintActiveTabEdge(dc, *control);
        PaintGraphicChildren(dc, *this);
    });
    // The sheet shows the page control's image, so its own stands ready for the children asking.
    FSkinData->SetCacheInvalid(false);
    NotifyChildrenRepainted(*this);
}

// An active tab below or beside the pages reaches over the page's border into the sheet's edge;
// the page control's image does not hold it (the tab is drawn straight to the screen), so the
// sheet draws that part of it over the copy.
void TsTabSheet::PaintActiveTabEdge(HDC dc, TsPageControl& control) {
    const int active = control.ActivePageIndex();
    if (active < 0 || control.ActivePage() != this) return;
    if (control.Geometry().TabRect(active, true).Intersect(BoundsRect()).IsEmpty()) return;
    const int saved = dc->SaveDC();
    dc->OffsetViewportOrg(-Left(), -Top());
    control.Tabs().PaintTabOnDevice(dc, active, 2);
    dc->RestoreDC(saved);
}

void TsTabSheet::Loaded() {
    TTabSheet::Loaded();
    FSkinData->ApplySkin();
}
