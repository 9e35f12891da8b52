// Page controls: sheets parented to the control become its tabs and pages, only the active page
// shows, a selection by program raises nothing, a click on a tab and Ctrl+Tab from anywhere on
// the form raise OnChanging (which may refuse) and OnChange, hidden tabs are skipped, pages may
// be reordered and removed, and tab sizes and styles reach the platform tab control.
#include "FormTestFixture.h"

#include "framework/TEdit.h"
#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"

#include "platform/controls/TabControlCodes.h"

namespace {
class PageControlTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(20, 20, 360, 260);
        Pages = new TPageControl(Form.get());
        Pages->SetParent(Form.get());
        Pages->SetBounds(10, 10, 300, 200);
        for (const char* caption : {"Выбор", "Пометки", "Третья"}) {
            auto* sheet = new TTabSheet(Form.get());
            sheet->SetPageControl(Pages);
            sheet->SetCaption(caption);
            auto* edit = new TEdit(Form.get());
            edit->SetParent(sheet);
            edit->SetBounds(10, 10, 100, 21);
            Edits.push_back(edit);
        }
        Pages->OnChanging = [this](TObject*, bool& allow) {
            Events.push_back("changing");
            allow = Allow;
        };
        Pages->OnChange = [this](TObject*) { Events.push_back("change:" + Pages->ActivePage()->Caption()); };
        Pump();
    }
    void TearDown() override {
        Form.reset();
        FormTest::TearDown();
    }
    int Tabs() { return static_cast<int>(SendMessage(Pages->Handle(), TCM_GETITEMCOUNT, 0, 0)); }
    int Selected() { return static_cast<int>(SendMessage(Pages->Handle(), TCM_GETCURSEL, 0, 0)); }
    void ClickTab(int index) {
        TRect r;
        SendMessage(Pages->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        TPoint p = At(*Pages, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
        ClickAt(p.X, p.Y);
        Advance(600);
    }
    void CtrlTab(bool shift = false) {
        Key(VK_CONTROL, true);
        if (shift) Key(VK_SHIFT, true);
        Tap(VK_TAB);
        if (shift) Key(VK_SHIFT, false);
        Key(VK_CONTROL, false);
    }
    std::vector<bool> Shown() {
        std::vector<bool> shown;
        for (int i = 0; i < Pages->PageCount(); ++i) shown.push_back(IsWindowVisible(Pages->Pages(i)->Handle()) != 0);
        return shown;
    }

    std::unique_ptr<TForm> Form;
    TPageControl* Pages = nullptr;
    std::vector<TEdit*> Edits;
    std::vector<std::string> Events;
    bool Allow = true;
};
}

TEST_F(PageControlTest, SheetsBecomeTabsAndOnlyTheActivePageShows) {
    EXPECT_EQ(GetClassName(Pages->Handle()), WC_TABCONTROL);
    ASSERT_EQ(Pages->PageCount(), 3);
    EXPECT_EQ(Tabs(), 3);
    TCITEM item;
    item.mask = TCIF_TEXT;
    SendMessage(Pages->Handle(), TCM_GETITEM, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.pszText, "Пометки");
    EXPECT_EQ(Pages->ActivePageIndex(), 0) << "the first page arrives active";
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(Pages->Pages(0)->BoundsRect(), Pages->DisplayRect());

    Pages->SetActivePage(Pages->Pages(2));
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, true}));
    Pages->SetActivePageIndex(1);
    EXPECT_EQ(Selected(), 1);
    EXPECT_TRUE(Events.empty()) << "a change by program raises nothing";
    Pages->Pages(1)->SetCaption("Marks");
    SendMessage(Pages->Handle(), TCM_GETITEM, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.pszText, "Marks");
}

TEST_F(PageControlTest, AClickOnATabAsksOnChangingThenShowsThePageAndRaisesOnChange) {
    ClickTab(1);
    EXPECT_EQ(Pages->ActivePageIndex(), 1);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Events, (std::vector<std::string>{"changing", "change:Пометки"}));
    Allow = false;
    ClickTab(2);
    EXPECT_EQ(Pages->ActivePageIndex(), 1) << "OnChanging refused";
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Events.size(), 3u);
}

TEST_F(PageControlTest, CtrlTabSwitchesPagesFromAnEditOnAPageAndMovesTheFocusAlong) {
    Edits[0]->SetFocus();
    Pump();
    CtrlTab();
    EXPECT_EQ(Pages->ActivePageIndex(), 1);
    EXPECT_TRUE(Edits[1]->Focused()) << "the focus does not stay on a hidden page";
    CtrlTab(true);
    CtrlTab(true);
    EXPECT_EQ(Pages->ActivePageIndex(), 2) << "backwards, wrapping round";
    EXPECT_EQ(Events, (std::vector<std::string>{"changing", "change:Пометки", "changing", "change:Выбор", "changing",
                                                "change:Третья"}));
    EXPECT_TRUE(Edits[2]->Focused());
}

TEST_F(PageControlTest, CtrlTabWorksFromAControlBesideThePageControlAndTabStillMovesTheFocus) {
    auto* outside = new TEdit(Form.get());
    outside->SetParent(Form.get());
    outside->SetBounds(10, 220, 100, 21);
    outside->SetFocus();
    Pump();
    CtrlTab();
    EXPECT_EQ(Pages->ActivePageIndex(), 1);
    EXPECT_TRUE(outside->Focused()) << "the focus was not on the page";
    Tap(VK_TAB);
    EXPECT_FALSE(outside->Focused());
    EXPECT_EQ(Pages->ActivePageIndex(), 1) << "a plain Tab is no page switch";
}

TEST_F(PageControlTest, AHiddenTabIsSkippedAndReorderedPagesReorderTheTabs) {
    Pages->Pages(1)->SetTabVisible(false);
    EXPECT_EQ(Tabs(), 2);
    EXPECT_EQ(Pages->Pages(1)->TabIndex(), -1);
    EXPECT_EQ(Pages->Pages(2)->TabIndex(), 1);
    Edits[0]->SetFocus();
    CtrlTab();
    EXPECT_EQ(Pages->ActivePageIndex(), 2);
    Pages->Pages(2)->SetPageIndex(0);
    EXPECT_EQ(Pages->Pages(0)->Caption(), "Третья");
    EXPECT_EQ(Pages->ActivePageIndex(), 0);
    EXPECT_EQ(Selected(), 0) << "the selected tab follows its page";
    TCITEM item;
    item.mask = TCIF_TEXT;
    SendMessage(Pages->Handle(), TCM_GETITEM, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.pszText, "Выбор");
}

TEST_F(PageControlTest, RemovingTheActivePageActivatesTheNextOne) {
    Pages->SetActivePageIndex(1);
    delete Pages->Pages(1);
    EXPECT_EQ(Pages->PageCount(), 2);
    EXPECT_EQ(Tabs(), 2);
    EXPECT_EQ(Pages->ActivePage()->Caption(), "Третья");
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true}));
    Pages->Pages(0)->SetParent(Form.get());
    EXPECT_EQ(Pages->PageCount(), 1) << "a sheet parented elsewhere leaves";
    delete Pages; // its last sheet goes with it
    EXPECT_EQ(Form->ControlCount(), 1);
}

TEST_F(PageControlTest, TabSizeAndStyleReachThePlatformTabControl) {
    Pages->SetStyle(tsFlatButtons);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtr(Pages->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & TCS_BUTTONS);
    EXPECT_TRUE(style & TCS_FLATBUTTONS);
    EXPECT_EQ(Tabs(), 3) << "the new window has the tabs";
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false}));
    Pages->SetTabWidth(51);
    Pages->SetTabHeight(30);
    TRect r;
    SendMessage(Pages->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.Width(), 51);
    EXPECT_EQ(r.Height(), 30);
    EXPECT_THROW(Pages->SetTabWidth(40000), ERangeError);
    EXPECT_EQ(Pages->TabWidth(), 51);
}

TEST_F(PageControlTest, OwnerDrawnTabsAreDrawnByOnDrawTabWithTheActiveOneMarked) {
    std::vector<std::pair<int, bool>> drawn;
    Pages->OnDrawTab = [&](TCustomTabControl*, TCanvas*, int index, const TRect&, bool active) {
        drawn.emplace_back(index, active);
    };
    Pages->SetOwnerDraw(true);
    Pages->SetActivePageIndex(2);
    Pages->Update();
    ASSERT_GE(drawn.size(), 3u);
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{0, false}, {1, false}, {2, true}}));
}

TEST_F(PageControlTest, TabsMoveToEachSideAndThePagesFillTheRest) {
    Pages->SetActivePageIndex(1);
    const struct {
        TTabPosition Position;
        DWORD Style;
    } sides[] = {{tpBottom, TCS_BOTTOM}, {tpLeft, TCS_VERTICAL}, {tpRight, TCS_VERTICAL | TCS_RIGHT}, {tpTop, 0}};
    for (const auto& side : sides) {
        Pages->SetTabPosition(side.Position);
        Pump();
        const DWORD style = static_cast<DWORD>(GetWindowLongPtr(Pages->Handle(), GWL_STYLE));
        EXPECT_EQ(style & (TCS_BOTTOM | TCS_VERTICAL), side.Style);
        EXPECT_EQ(Tabs(), 3);
        EXPECT_EQ(Selected(), 1) << "the active page stays";
        TRect display = Pages->ClientRect();
        SendMessage(Pages->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        EXPECT_EQ(Pages->DisplayRect(), display);
        EXPECT_EQ(Pages->ActivePage()->BoundsRect(), display) << "the page follows the tabs' side";
        TRect tab;
        SendMessage(Pages->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
        // The tab lies on the named side of the page.
        const bool onItsSide = side.Position == tpTop      ? tab.Bottom <= display.Top
                               : side.Position == tpBottom ? tab.Top >= display.Bottom
                               : side.Position == tpLeft   ? tab.Right <= display.Left
                                                           : tab.Left >= display.Right;
        EXPECT_TRUE(onItsSide) << side.Position;
        ClickTab(2);
        EXPECT_EQ(Pages->ActivePageIndex(), 2);
        EXPECT_EQ(Pages->ActivePage()->BoundsRect(), display);
        Pages->SetActivePageIndex(1);
    }
}
