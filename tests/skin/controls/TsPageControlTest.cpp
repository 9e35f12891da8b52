// The skinned page control: page area from its section, tabs from the tab sections with the
// active one over the page, hot and pressed tabs, page changes shown whole, and the repaint of a
// control that sticks out of its parent.
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsTabSheet.h"
#include "skin/controls/TsTabBtn.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsUpDown.h"
#include "tests/skin/controls/EditSkinKit.h"

#include "framework/TButton.h"
#include "framework/TApplication.h"
#include "framework/TFont.h"
#include "framework/THintWindow.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/controls/UpDownCodes.h"
#include "skin/data/TacOutputWindow.h"

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

namespace {

class TsPageScrollerTest : public TsPageControlTest {
protected:
    // tsTabs 60 pixels wide from x = 2: tab i ends at 62 + 60 i.
    TsPageControl* Row(int tabs, int width) {
        TsPageControl* control = Pages(tsTabs);
        for (int i = 2; i < tabs; ++i) {
            auto* sheet = new TsTabSheet(Form);
            sheet->SetPageControl(control);
            sheet->SetCaption(std::string(1, static_cast<char>('A' + i)));
        }
        control->SetWidth(width);
        Pump();
        return control;
    }
    static int ScrollerWidth() { return 2 * GetSystemMetrics(SM_CXHSCROLL) + 2; }
    static int PlatformScrollers(const TsPageControl& control) {
        int found = 0;
        for (HWND child = GetWindow(control.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetClassName(child) == UPDOWN_CLASS && (!control.Scroller() || child != control.Scroller()->Handle())) ++found;
        return found;
    }
    static TRect Item(const TsPageControl& control, int i) {
        TRect r;
        SendMessage(control.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
};

TEST_F(TsPageScrollerTest, TheScrollerAppearsExactlyWhenATabPassesTheWidthLessThree) {
    TsPageControl* control = Row(3, 185); // the last tab ends at 182 = 185 - 3
    EXPECT_EQ(control->Scroller(), nullptr);
    control->SetWidth(184);
    Pump();
    ASSERT_NE(control->Scroller(), nullptr);
    EXPECT_EQ(PlatformScrollers(*control), 0) << "the platform's own scroller is gone";
    control->SetWidth(185);
    Pump();
    EXPECT_EQ(control->Scroller(), nullptr);
}

TEST_F(TsPageScrollerTest, ItStandsAtTheRowsRightEndCountingTheTabsThatStickOut) {
    TsPageControl* control = Row(6, 200);
    TsUpDown* scroller = control->Scroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->BoundsRect(), (TRect{200 - ScrollerWidth(), 0, 200, GetSystemMetrics(SM_CYHSCROLL) + 1}));
    EXPECT_EQ(scroller->Orientation(), udHorizontal);
    EXPECT_EQ(scroller->SkinData()->SkinSection(), "UPDOWNBTN");
    int past = 0;
    for (int i = 0; i < 6; ++i) past += Item(*control, i).Right > 200 - 3 - ScrollerWidth() ? 1 : 0;
    EXPECT_EQ(past, 4) << "tabs ending at 182, 242, 302 and 362 pass 161";
    EXPECT_EQ(scroller->Min(), 0);
    EXPECT_EQ(scroller->Max(), past);
    EXPECT_EQ(scroller->Position(), 0);
    EXPECT_EQ(PlatformScrollers(*control), 0);
}

TEST_F(TsPageScrollerTest, BelowThePagesItStandsAtTheBottomAndBesideThemThereIsNone) {
    TsPageControl* control = Row(6, 200);
    control->SetTabPosition(tpBottom);
    Pump();
    TsUpDown* scroller = control->Scroller();
    ASSERT_NE(scroller, nullptr);
    const int height = GetSystemMetrics(SM_CYHSCROLL) + 1;
    EXPECT_EQ(scroller->BoundsRect(),
              (TRect{200 - ScrollerWidth(), control->ClientHeight() - height, 200, control->ClientHeight()}));
    control->SetTabPosition(tpLeft);
    Pump();
    EXPECT_EQ(control->Scroller(), nullptr) << "tabs down a side are never scrolled";
    EXPECT_EQ(PlatformScrollers(*control), 0);
}

TEST_F(TsPageScrollerTest, ClickingItsRightArrowScrollsTheTabsAndLeavesTheActivePage) {
    TsPageControl* control = Row(6, 200);
    TsUpDown* scroller = control->Scroller();
    ASSERT_NE(scroller, nullptr);
    const TRect right = scroller->ArrowRect(1);
    const TPoint at = At(*scroller, right.Left + 3, right.Top + 3);
    MoveTo(at.X, at.Y);
    EXPECT_EQ(ClientPixel(*scroller, right.Left + 1, right.Top + 1), EditSkin::ToolHot);
    EXPECT_EQ(ClientPixel(*scroller, 1, 1), EditSkin::ToolNormal) << "the other arrow stays normal";
    ClickAt(at.X, at.Y);
    EXPECT_EQ(scroller->Position(), 1);
    EXPECT_LT(Item(*control, 0).Right, 4) << "the first tab went off to the left";
    EXPECT_EQ(Item(*control, 1).Left, 2);
    EXPECT_EQ(control->ActivePageIndex(), 0);
    EXPECT_EQ(PlatformScrollers(*control), 0) << "scrolling does not bring the platform's scroller back";
    const TPoint left = At(*scroller, 3, 3);
    ClickAt(left.X, left.Y);
    EXPECT_EQ(Item(*control, 0).Left, 2);
}

TEST_F(TsPageScrollerTest, AHeldArrowLooksPressedAndTheSkinsRemovalBringsThePlatformsScrollerBack) {
    TsPageControl* control = Row(6, 200);
    TsUpDown* scroller = control->Scroller();
    ASSERT_NE(scroller, nullptr);
    const TPoint at = At(*scroller, 3, 3);
    MoveTo(at.X, at.Y);
    Press(at.X, at.Y, true);
    EXPECT_EQ(ClientPixel(*scroller, 1, 1), EditSkin::ToolActive);
    Press(at.X, at.Y, false);
    Manager->SetActive(false);
    Pump();
    EXPECT_EQ(control->Scroller(), nullptr);
    EXPECT_EQ(PlatformScrollers(*control), 1);
    Manager->SetActive(true);
    Pump();
    EXPECT_NE(control->Scroller(), nullptr);
    EXPECT_EQ(PlatformScrollers(*control), 0);
}

} // namespace

namespace {

class TsPageControlCloseTest : public TsPageControlTest {
protected:
    TsPageControl* WithCloseButtons() {
        TsPageControl* control = Pages(tsFlatButtons);
        control->SetShowCloseBtns(true);
        Pump();
        return control;
    }
    TPoint CloseCentre(const TsPageControl& control, int page) {
        const TRect r = control.Tabs().CloseSquare(page, 0);
        return At(control, r.Left + 1, r.Top + 1);
    }
    TColor ClosePixel(const TsPageControl& control, int page) {
        const TRect r = control.Tabs().CloseSquare(page, 0);
        return ClientPixel(control, r.Left + 1, r.Top + 1);
    }
};

TEST_F(TsPageControlCloseTest, EachTabThatUsesOneShowsTheSkinsClosePicture) {
    TsPageControl* control = WithCloseButtons();
    const TRect tab = control->Geometry().TabRect(1, false);
    const TRect square = control->Tabs().CloseSquare(1, 0);
    EXPECT_EQ(square, (TRect{tab.Right - 3 - 1, tab.Top + 1, tab.Right - 1, tab.Top + 3 + 1}));
    EXPECT_EQ(ClosePixel(*control, 1), EditSkin::CloseNormal);
    static_cast<TsTabSheet*>(control->Pages(1))->SetUseCloseBtn(false);
    control->SkinData()->Invalidate();
    EXPECT_TRUE(control->Tabs().CloseSquare(1, 0).IsEmpty());
    EXPECT_EQ(ClientPixel(*control, square.Left + 1, square.Top + 1), EditSkin::ToolNormal);
}

TEST_F(TsPageControlCloseTest, ThePressedButtonClosesItsPageOnReleaseWithoutChoosingIt) {
    TsPageControl* control = WithCloseButtons();
    const TPoint close = CloseCentre(*control, 1);
    MoveTo(close.X, close.Y);
    EXPECT_EQ(ClosePixel(*control, 1), EditSkin::CloseHot);
    Press(close.X, close.Y, true);
    EXPECT_EQ(ClosePixel(*control, 1), EditSkin::ClosePressed);
    EXPECT_EQ(control->ActivePageIndex(), 0);
    int asked = -1;
    control->OnCloseBtnClick = [&asked](TComponent*, int tab, bool&, TacCloseAction&) { asked = tab; };
    Press(close.X, close.Y, false);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(control->PageCount(), 1);
    EXPECT_EQ(control->ActivePageIndex(), 0);
}

TEST_F(TsPageControlCloseTest, TheHandlerMayRefuseOrHideTheTabInstead) {
    TsPageControl* control = WithCloseButtons();
    control->OnCloseBtnClick = [](TComponent*, int, bool& canClose, TacCloseAction&) { canClose = false; };
    TPoint close = CloseCentre(*control, 1);
    ClickAt(close.X, close.Y);
    EXPECT_EQ(control->PageCount(), 2);
    EXPECT_TRUE(control->Pages(1)->TabVisible());
    control->OnCloseBtnClick = [](TComponent*, int, bool&, TacCloseAction& action) { action = acaHide; };
    Advance(600); // not a double click
    ClickAt(close.X, close.Y);
    EXPECT_EQ(control->PageCount(), 2);
    EXPECT_FALSE(control->Pages(1)->TabVisible());
    // A release away from the pressed button closes nothing.
    control->Pages(1)->SetTabVisible(true);
    Pump();
    close = CloseCentre(*control, 1);
    control->OnCloseBtnClick = nullptr;
    Advance(600);
    Press(close.X, close.Y, true);
    MoveTo(close.X - 30, close.Y);
    Press(close.X - 30, close.Y, false);
    EXPECT_EQ(control->PageCount(), 2);
}

} // namespace

namespace {

bool OutputWindowShows() {
    bool shows = false;
    EnumWindows([&shows](HWND h) {
        shows = shows || (GetWindowText(h) == TacOutputWindow::Caption && IsWindowVisible(h));
        return true;
    });
    return shows;
}

TEST_F(TsPageControlTest, ARefusedChangeLeavesNoCoverBehind) {
    TsPageControl* control = Pages(tsFlatButtons);
    bool asked = false;
    control->OnChanging = [&asked](TObject*, bool& allow) {
        asked = true;
        allow = false;
    };
    const TPoint b = TabCentre(*control, 1);
    ClickAt(b.X, b.Y);
    EXPECT_TRUE(asked);
    EXPECT_EQ(control->ActivePageIndex(), 0);
    EXPECT_FALSE(OutputWindowShows());
    control->OnChanging = nullptr;
    Advance(600);
    ClickAt(b.X, b.Y);
    EXPECT_EQ(control->ActivePageIndex(), 1);
    EXPECT_FALSE(OutputWindowShows());
}

} // namespace

namespace {

class TsTabBtnTest : public TsPageControlTest {
protected:
    TsPageControl* Plain() {
        TsPageControl* control = Pages(tsTabs);
        Manager->SetActive(false);
        control->SetShowCloseBtns(true);
        Pump();
        return control;
    }
    static TRect Item(const TsPageControl& control, int i) {
        TRect r;
        SendMessage(control.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
};

TEST_F(TsTabBtnTest, WithoutASkinEachTabThatUsesOneGetsABoldRedCrossAtItsRightEdge) {
    TsPageControl* control = Plain();
    ASSERT_EQ(control->TabButtons().size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const TsTabBtn* button = control->TabButtons()[static_cast<size_t>(i)];
        const TRect item = Item(*control, i);
        EXPECT_EQ(button->Page(), control->Pages(i));
        EXPECT_EQ(button->BoundsRect(), (TRect{item.Right - 15, item.Top + 1, item.Right, item.Top + 16}));
        EXPECT_EQ(button->Caption(), "X");
        EXPECT_TRUE(button->Flat());
        EXPECT_TRUE(button->Font()->Style().Contains(fsBold));
        EXPECT_EQ(button->Font()->Color(), clRed);
    }
    static_cast<TsTabSheet*>(control->Pages(1))->SetUseCloseBtn(false);
    control->SetShowCloseBtns(false);
    control->SetShowCloseBtns(true);
    EXPECT_EQ(control->TabButtons().size(), 1u);
    Manager->SetActive(true);
    Pump();
    EXPECT_TRUE(control->TabButtons().empty()) << "the skin draws its own close buttons";
}

TEST_F(TsTabBtnTest, ClickingOneAsksTheHandlerThenFreesItsSheet) {
    TsPageControl* control = Plain();
    std::vector<int> asked;
    bool refuse = true;
    control->OnCloseBtnClick = [&](TComponent*, int tabIndex, bool& canClose, TacCloseAction&) {
        asked.push_back(tabIndex);
        canClose = !refuse;
    };
    auto centre = [&](int i) {
        const TRect r = control->TabButtons()[static_cast<size_t>(i)]->BoundsRect();
        return At(*control, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    TPoint p = centre(1);
    ClickAt(p.X, p.Y);
    EXPECT_EQ(asked, (std::vector<int>{1}));
    EXPECT_EQ(control->PageCount(), 2);
    refuse = false;
    ClickAt(p.X, p.Y);
    ASSERT_EQ(control->PageCount(), 1);
    EXPECT_EQ(control->Pages(0)->Caption(), "A");
    EXPECT_EQ(control->TabButtons().size(), 1u);
    EXPECT_EQ(control->ActivePageIndex(), 0);
}

} // namespace

namespace {

TEST_F(TsPageControlTest, OverATabItsSheetsHintShowsBesideThePointerAndFollowsToTheNextTab) {
    TsPageControl* control = Pages(tsFlatButtons);
    auto* third = new TsTabSheet(Form);
    third->SetPageControl(control);
    third->SetCaption("C");
    control->Pages(0)->SetHint("Первая");
    control->Pages(1)->SetHint("Вторая");
    control->SetShowHint(true);
    Pump();
    const TPoint b = TabCentre(*control, 1);
    MoveTo(b.X, b.Y);
    Advance(Application->HintPause() + 10);
    THintWindow* window = Application->HintWindow();
    ASSERT_TRUE(window && window->Active());
    EXPECT_EQ(window->Caption(), "Вторая");
    EXPECT_EQ(window->Left(), b.X + GetSystemMetrics(SM_CXCURSOR) / 2);
    EXPECT_EQ(window->Top(), b.Y + GetSystemMetrics(SM_CYCURSOR) / 2);
    const TPoint a = TabCentre(*control, 0);
    MoveTo(a.X, a.Y);
    Advance(Application->HintShortPause() + 10);
    window = Application->HintWindow();
    ASSERT_TRUE(window && window->Active());
    EXPECT_EQ(window->Caption(), "Первая");
    const TPoint c = TabCentre(*control, 2);
    MoveTo(c.X, c.Y);
    Advance(Application->HintPause() + 10);
    EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->Active()) << "a sheet without a hint shows none";
}

} // namespace

namespace {

class TsPageAnimationTest : public TsPageControlTest {
protected:
    // The control's window as the screen shows it.
    Bitmap ControlOnScreen(const TsPageControl& control) {
        TRect r;
        GetWindowRect(control.Handle(), &r);
        const Bitmap screen = CaptureScreen();
        Bitmap part(r.Width(), r.Height());
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x) part.SetPixel(x, y, screen.Pixel(r.Left + x, r.Top + y));
        return part;
    }
    // The blend of a frame: each channel new + weight (old - new) / 256.
    static Bitmap Blend(const Bitmap& old, const Bitmap& now, int weight) {
        Bitmap out(old.Width(), old.Height());
        for (int y = 0; y < old.Height(); ++y)
            for (int x = 0; x < old.Width(); ++x) {
                const TColor o = old.Pixel(x, y), n = now.Pixel(x, y);
                auto channel = [weight](int ov, int nv) { return nv + weight * (ov - nv) / 256; };
                out.SetPixel(x, y, RGB(channel(GetRValue(o), GetRValue(n)), channel(GetGValue(o), GetGValue(n)),
                                       channel(GetBValue(o), GetBValue(n))));
            }
        return out;
    }
    // Every different picture the screen shows, one virtual millisecond at a time, until the
    // animation is over.
    std::vector<Bitmap> Frames(const TsPageControl& control) {
        std::vector<Bitmap> frames{ControlOnScreen(control)};
        for (int ms = 0; ms < 1000 && control.Animation().Running(); ++ms) {
            FBackend.Virtual().Advance(1);
            Pump();
            Bitmap now = ControlOnScreen(control);
            if (!(now == frames.back())) frames.push_back(std::move(now));
        }
        return frames;
    }
};

TEST_F(TsPageAnimationTest, TheChangeBlendsFromTheOldPictureToTheNewOneAndEndsExactlyOnIt) {
    constexpr int Time = 40; // 6 frames 8 ms apart, the old picture weighing 255 - 51 k: the last is the new page
    TsPageControl* control = Pages(tsFlatButtons);
    auto* button = new TButton(Form);
    button->SetParent(control->Pages(1));
    button->SetBounds(5, 5, 50, 20);
    Manager->AnimEffects().PageChange = {true, 0};
    const TPoint b = TabCentre(*control, 1), a = TabCentre(*control, 0);
    ClickAt(b.X, b.Y);
    ClickAt(a.X, a.Y);
    const Bitmap old = ControlOnScreen(*control);
    Manager->AnimEffects().PageChange = {true, Time};
    MoveTo(b.X, b.Y);
    Press(b.X, b.Y, true);
    Press(b.X, b.Y, false);
    ASSERT_EQ(control->ActivePageIndex(), 1);
    ASSERT_TRUE(control->Animation().Running());
    const std::vector<Bitmap> frames = Frames(*control);
    EXPECT_FALSE(control->Animation().Running());
    EXPECT_FALSE(OutputWindowShows()) << "the cover is gone at the end";
    const Bitmap last = ControlOnScreen(*control);
    // The same change without the animation paints the same picture.
    Manager->AnimEffects().PageChange = {false, 0};
    ClickAt(a.X, a.Y);
    ClickAt(b.X, b.Y);
    EXPECT_TRUE(ControlOnScreen(*control) == last);
    EXPECT_FALSE(last == old);
    ASSERT_EQ(frames.size(), 6u);
    for (int k = 0; k < 6; ++k) EXPECT_TRUE(frames[static_cast<size_t>(k)] == Blend(old, last, 255 - 51 * k)) << "frame " << k;
}

TEST_F(TsPageAnimationTest, ARefusedChangeLeavesTheScreenAsItWas) {
    TsPageControl* control = Pages(tsFlatButtons);
    Manager->AnimEffects().PageChange = {true, 40};
    const TPoint b = TabCentre(*control, 1);
    MoveTo(b.X, b.Y);
    const Bitmap before = ControlOnScreen(*control);
    control->OnChanging = [](TObject*, bool& allow) { allow = false; };
    Press(b.X, b.Y, true);
    Press(b.X, b.Y, false);
    Advance(100);
    EXPECT_EQ(control->ActivePageIndex(), 0);
    EXPECT_FALSE(control->Animation().Running());
    EXPECT_FALSE(OutputWindowShows());
    EXPECT_TRUE(ControlOnScreen(*control) == before);
}

} // namespace

namespace {

TEST_F(TsPageControlTest, ThePageShownByAClickPaintsItsButtonsAtOnce) {
    TsPageControl* control = Pages(tsFlatButtons);
    auto* button = new TsSpeedButton(Form);
    button->SetParent(control->Pages(1));
    button->SetBounds(0, 0, 60, 30);
    Pump();
    const TPoint b = TabCentre(*control, 1);
    ClickAt(b.X, b.Y);
    ASSERT_EQ(control->ActivePageIndex(), 1);
    EXPECT_EQ(ClientPixel(*button, 1, 1), EditSkin::ToolNormal) << "not waiting for a repaint that never comes";
}

} // namespace
