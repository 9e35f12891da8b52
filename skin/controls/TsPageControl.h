// The skinned page control (the chooser's two pages): the page area painted from its section,
// the tabs from the tab sections, the active tab drawn last over the page, hot and pressed tabs,
// the skinned scroller of an overflowing row, and page changes shown whole.
#pragma once

#include "framework/TPageControl.h"
#include "skin/controls/TacCloseButtons.h"
#include "skin/controls/TacPageChangeAnimation.h"
#include "skin/controls/TacPageGeometry.h"
#include "skin/controls/TacTabBtnRow.h"
#include "skin/controls/TacTabPainter.h"
#include "skin/controls/TacTabScroller.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include "platform/gfx/Bitmap.h"

#include <memory>

struct TacFormAnimation;
class TsTabBtn;
class TsUpDown;

class TsPageControl : public TPageControl, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckPageControl;

    explicit TsPageControl(TComponent* owner);
    ~TsPageControl() override;
    std::string ClassName() const override { return "TsPageControl"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }
    // The page whose tab is under the mouse (never the active one); -1 for none.
    int HotTab() const { return FHotTab; }
    const TacPageGeometry& Geometry() const { return FGeometry; }
    const TacTabPainter& Tabs() const { return FTabs; }
    // A close button on each tab whose sheet uses one.
    bool ShowCloseBtns() const { return FClose.Show; }
    void SetShowCloseBtns(bool value);
    // The section of the close buttons; empty for the skin's close picture.
    const std::string& CloseBtnSkin() const { return FClose.Skin; }
    void SetCloseBtnSkin(const std::string& section);
    const TacCloseButtons& CloseButtons() const { return FClose; }
    const TacPageChangeAnimation& Animation() const { return FAnimation; }
    // The skinned scroller of an overflowing row; null while every tab fits or unskinned.
    TsUpDown* Scroller() const { return FScroller.UpDown(); }
    // The plain close buttons on the tabs while no skin is in force.
    const std::vector<TsTabBtn*>& TabButtons() const { return FTabBtns.Buttons(); }

    // May refuse the close (canClose) or hide the tab instead of freeing the sheet (action).
    TacCloseBtnClickEvent OnCloseBtnClick;

    // The tab row (every tab but the active one) and the page area under it.
    void PrepareCache() override;
    int SkinState() const override { return 0; }
    // The page area's section: the binding's, or for "PAGECONTROL" the one of the tabs' side.
    std::string PageSectionName() const;
    // Its own Hint, or a sheet's for its tab.
    bool OffersHint() const override;

protected:
    void WndProc(TMessage& message) override;
    void Loaded() override;
    bool CanChange() override;
    // Over a tab: the tab's sheet's Hint, at the pointer plus half the cursor's size, holding
    // while the pointer stays on that tab.
    void CMHintShow(TMessage& message) override;
    void Change() override;

private:
    bool Skinned() const { return FSkinData->IsSkinned(); }
    bool Updating() const { return FSkinData->UpdateLocked() || FSkinData->IsPaintSuspended(); }
    void HandleMessage(TMessage& message);
    bool BeforeSkinned(TMessage& message);
    void AfterSkinned(const TMessage& message);
    void Paint(TMessage& message);
    void PaintTo(HDC dc);
    void PaintSideSection(const std::string& section, const TParentImageInfo& parent, const TRect& page, TPoint at);
    bool PartlyOutsideParent() const;
    void TrackMouse(TPoint p);
    void ShowHot(int page);
    void Pressed(TPoint p);
    void Released(TPoint p);
    // The page whose close button is at the point, -1 for none.
    int CloseAt(TPoint p) const;
    bool CloseButtonMouse(TMessage& message);
    void CloseClicked(int page);
    // The skin manager's page change animation when it is on for this control; null otherwise.
    const TacFormAnimation* PageChangeEffect() const;
    void RedrawWhole();
    void RebuildRow();
    void CloseLater(TTabSheet* page);
    static bool RowMayChange(UINT msg);

    std::unique_ptr<TsCommonData> FSkinData;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
    TacPageGeometry FGeometry{*this};
    TacCloseButtons FClose;
    TacTabPainter FTabs;
    TacTabScroller FScroller{*this, *FSkinData};
    TacTabBtnRow FTabBtns{*this, *FSkinData};
    int FHotTab = -1;
    bool FWasOutside = false;
    TacPageChangeAnimation FAnimation{*this};
    int FMessageDepth = 0;
};
