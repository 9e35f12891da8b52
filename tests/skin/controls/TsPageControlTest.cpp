// The skinned page control: page area from its section, tabs from the tab sections with the
// active one over the page, hot and pressed tabs, page changes shown whole, and the repaint of a
// control that sticks out of its parent.
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsTabSheet.h"
#include "tests/skin/controls/EditSkinKit.h"

#include "framework/TButton.h"
#include "platform/controls/TabControlCodes.h"

namespace {

class TCountingPageControl : public TsPageControl {
public:
    using TsPageControl::TsPageControl;
    void PrepareCache() override {
        ++Prepared;
        TsPageControl::PrepareCache();
    }
    int Prepared = 0;
};

class TsPageControlTest : public EditSkinTest {
protected:
    TCountingPageControl* Pages(TTabStyle style, bool hotTrack = false) {
        auto* control = new TCountingPageControl(Form);
        control->SetParent(Form);
        control->SetStyle(style);
        control->SetHotTrack(hotTrack);
        control->SetBounds(10, 10, 200, 150);
        control->SetTabWidth(60);
        for (const char* caption : {"A", "B"}) {
            auto* sheet = new TsTabSheet(Form);
            sheet->SetPageControl(control);
            sheet->SetCaption(caption);
        }
        control->SetActivePageIndex(0);
        Manager->SetActive(true);
        Pump();
        return control;
    }
    // A pixel inside the tab's frame, away from its caption.
    TColor TabPixel(const TsPageControl& control, int page, bool active) {
        const TRect r = control.Geometry().TabRect(page, active);
        return ClientPixel(control, r.Left + 1, r.Top + 1);
    }
    TPoint TabCentre(const TsPageControl& control, int page) {
        const TRect r = control.Geometry().TabRect(page, false);
        return At(control, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(TsPageControlTest, FlatButtonsAreToolButtonsTheActiveOneInItsActiveState) {
    TsPageControl* control = Pages(tsFlatButtons);
    EXPECT_EQ(TabPixel(*control, 0, true), EditSkin::ToolActive);
    EXPECT_EQ(TabPixel(*control, 1, false), EditSkin::ToolNormal);
    const TRect page = control->Geometry().PageRect();
    EXPECT_EQ(ClientPixel(*control, 100, page.Top + 1), EditSkin::Page);
    // The sheet shows the page control's image under it.
    const TTabSheet* sheet = control->ActivePage();
    EXPECT_EQ(ClientPixel(*sheet, sheet->Width() / 2, sheet->Height() / 2), EditSkin::Page);
}

TEST_F(TsPageControlTest, TheMouseOverAnInactiveTabMakesItHotOnlyWithHotTracking) {
    TsPageControl* plain = Pages(tsFlatButtons);
    const TPoint over = TabCentre(*plain, 1);
    MoveTo(over.X, over.Y);
    EXPECT_EQ(plain->HotTab(), 1);
    EXPECT_EQ(TabPixel(*plain, 1, false), EditSkin::ToolNormal);
    plain->SetVisible(false);
    TsPageControl* tracking = Pages(tsFlatButtons, true);
    MoveTo(5, 200);
    const TPoint there = TabCentre(*tracking, 1);
    MoveTo(there.X, there.Y);
    EXPECT_EQ(TabPixel(*tracking, 1, false), EditSkin::ToolHot);
    // The active tab never looks hot.
    const TPoint active = TabCentre(*tracking, 0);
    MoveTo(active.X, active.Y);
    EXPECT_EQ(tracking->HotTab(), -1);
    EXPECT_EQ(TabPixel(*tracking, 1, false), EditSkin::ToolNormal);
    EXPECT_EQ(TabPixel(*tracking, 0, true), EditSkin::ToolActive);
}

TEST_F(TsPageControlTest, ClickingATabMakesItTheActiveOne) {
    TsPageControl* control = Pages(tsFlatButtons);
    const TPoint b = TabCentre(*control, 1);
    ClickAt(b.X, b.Y);
    EXPECT_EQ(control->ActivePageIndex(), 1);
    EXPECT_EQ(TabPixel(*control, 1, true), EditSkin::ToolActive);
    EXPECT_EQ(TabPixel(*control, 0, false), EditSkin::ToolNormal);
}

TEST_F(TsPageControlTest, TheActiveTabOverlapsThePageAndInactiveTabsNeverReachIt) {
    TsPageControl* control = Pages(tsTabs);
    const TRect page = control->Geometry().PageRect();
    const TRect active = control->Geometry().TabRect(0, true);
    const TRect inactive = control->Geometry().TabRect(1, false);
    ASSERT_GT(active.Bottom, page.Top);
    ASSERT_GT(inactive.Bottom, page.Top);
    EXPECT_EQ(ClientPixel(*control, active.Left + 3, page.Top), EditSkin::TabActive);
    EXPECT_EQ(ClientPixel(*control, inactive.Left + 3, page.Top), EditSkin::Page);
    EXPECT_EQ(ClientPixel(*control, inactive.Left + 3, inactive.Top + 1), EditSkin::TabNormal);
}

TEST_F(TsPageControlTest, TabsOfTabStyleGrowWhenActiveAndShrinkWhenNot) {
    TsPageControl* control = Pages(tsTabs);
    TRect item;
    SendMessage(control->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const TRect inactive = control->Geometry().TabRect(1, false);
    EXPECT_EQ(inactive, (TRect{item.Left, item.Top, item.Right - 1, item.Bottom + 4}));
    SendMessage(control->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const TRect active = control->Geometry().TabRect(0, true);
    EXPECT_EQ(active, (TRect{item.Left - 2, item.Top - 2, item.Right + 2, item.Bottom + 2}));
}

TEST_F(TsPageControlTest, APageChangeShowsNoHalfPaintedState) {
    TsPageControl* control = Pages(tsFlatButtons);
    auto* button = new TButton(Form);
    button->SetParent(control->Pages(1));
    button->SetBounds(5, 5, 50, 20);
    const TPoint b = TabCentre(*control, 1);
    MoveTo(b.X, b.Y);
    const Bitmap before = CaptureScreen();
    Bitmap during;
    // A handler that lets the queued paints run shows what the screen would show meanwhile.
    control->OnChange = [this, &during](TObject*) {
        Pump();
        during = CaptureScreen();
    };
    ClickAt(b.X, b.Y);
    ASSERT_EQ(control->ActivePageIndex(), 1);
    EXPECT_TRUE(during == before);
    EXPECT_FALSE(CaptureScreen() == before);
    EXPECT_EQ(TabPixel(*control, 1, true), EditSkin::ToolActive);
}

TEST_F(TsPageControlTest, AControlHalfOutsideItsParentRebuildsItsImageAtEveryPaint) {
    TCountingPageControl* inside = Pages(tsFlatButtons);
    const int once = inside->Prepared;
    inside->Invalidate();
    Pump();
    EXPECT_EQ(inside->Prepared, once);
    inside->SetLeft(-50);
    Pump();
    const int moved = inside->Prepared;
    inside->Invalidate();
    Pump();
    inside->Invalidate();
    Pump();
    EXPECT_EQ(inside->Prepared, moved + 2);
}

} // namespace
