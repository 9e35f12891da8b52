// The skinned page control with its tabs on each side: the page and tab rectangles from the
// platform's items, the side's tab and page sections (and what a skin without them shows),
// inactive tabs kept off the page area on top and on the left, captions turned on the sides,
// and owner-drawn tabs.
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsTabSheet.h"
#include "tests/skin/controls/EditSkinKit.h"

#include "framework/TCanvas.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/text/TextDraw.h"

namespace {

constexpr TTabPosition kSides[] = {tpTop, tpBottom, tpLeft, tpRight};

class TsPageControlSidesTest : public EditSkinTest {
protected:
    TsPageControl* Pages(TTabPosition side, bool withSides = true) {
        Manager->SetSkinName(withSides ? "Sides (internal)" : "Edits (internal)");
        auto* control = new TsPageControl(Form);
        control->SetParent(Form);
        control->SetBounds(10, 10, 240, 170);
        control->SetTabPosition(side);
        for (const char* caption : {"Выбор", "Пометки", "Итог"}) {
            auto* sheet = new TsTabSheet(Form);
            sheet->SetPageControl(control);
            sheet->SetCaption(caption);
        }
        control->SetActivePageIndex(1);
        Manager->SetActive(true);
        Pump();
        return control;
    }
    TRect Item(const TsPageControl& control, int tab) {
        TRect r;
        SendMessage(control.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

// The tab rectangles as the rules give them, step by step from the platform's item.
TRect ExpectedTab(TRect r, TTabPosition side, bool active) {
    if (active) r.Bottom -= 1;
    else r = {r.Left, r.Top, r.Right - 1, r.Bottom + 3};
    switch (side) {
    case tpTop: return active ? TRect{r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 3} : TRect{r.Left, r.Top, r.Right, r.Bottom + 1};
    case tpBottom:
        return active ? TRect{r.Left - 2, r.Top - 1 - 2, r.Right + 2, r.Bottom + 1 + 1} : TRect{r.Left, r.Top - 2, r.Right, r.Bottom - 3};
    case tpLeft:
        return active ? TRect{r.Left - 1, r.Top - 2, r.Right + 2 + 1, r.Bottom + 2} : TRect{r.Left, r.Top - 1, r.Right + 4, r.Bottom + 1 - 4};
    case tpRight:
        return active ? TRect{r.Left - 3, r.Top - 2, r.Right + 1, r.Bottom - 1 + 1 + 3}
                      : TRect{r.Left - 2, r.Top - 1, r.Right, r.Bottom - 1 - 2};
    }
    return r;
}

TEST_F(TsPageControlSidesTest, PageTabsAndTabRectanglesFollowTheSideFromThePlatformsRectangles) {
    for (TTabPosition side : kSides) {
        TsPageControl* control = Pages(side);
        const TRect a = control->DisplayRect();
        const TRect client = control->ClientRect();
        const TRect page = control->Geometry().PageRect(), tabs = control->Geometry().TabsRect();
        switch (side) {
        case tpTop:
            EXPECT_EQ(page, (TRect{0, a.Top - 4, client.Right, client.Bottom}));
            EXPECT_EQ(tabs, (TRect{0, 0, client.Right, a.Top - 4}));
            break;
        case tpBottom:
            EXPECT_EQ(page, (TRect{0, 0, client.Right, a.Bottom + 1}));
            EXPECT_EQ(tabs, (TRect{0, a.Bottom + 1, client.Right, client.Bottom}));
            break;
        case tpLeft:
            EXPECT_EQ(page, (TRect{a.Left - 1, 0, client.Right, client.Bottom}));
            EXPECT_EQ(tabs, (TRect{0, 0, a.Left - 1, client.Bottom}));
            break;
        case tpRight:
            EXPECT_EQ(page, (TRect{0, 0, a.Right + 1, client.Bottom}));
            EXPECT_EQ(tabs, (TRect{a.Right + 1, 0, client.Right, client.Bottom}));
            break;
        }
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(control->Geometry().TabRect(i, false), ExpectedTab(Item(*control, i), side, false)) << side << " " << i;
            EXPECT_EQ(control->Geometry().TabRect(i, true), ExpectedTab(Item(*control, i), side, true)) << side << " " << i;
            EXPECT_EQ(control->Geometry().RowOf(i), 1);
        }
        // Buttons keep the platform's rectangles on every side.
        control->SetStyle(tsButtons);
        EXPECT_EQ(control->Geometry().TabRect(0, true), Item(*control, 0)) << side;
        delete control;
    }
}

TEST_F(TsPageControlSidesTest, EachSideTakesItsOwnTabAndPageSectionsWhenTheSkinHasThem) {
    for (TTabPosition side : kSides) {
        TsPageControl* control = Pages(side);
        const TRect inactive = control->Geometry().TabRect(0, false), active = control->Geometry().TabRect(1, true);
        EXPECT_EQ(ClientPixel(*control, inactive.Left + 1, inactive.Top + 1), EditSkin::SideNormal[side]) << side;
        EXPECT_EQ(ClientPixel(*control, active.Left + 1, active.Top + 1), EditSkin::SideActive[side]) << side;
        const TPoint middle = Centre(control->Geometry().PageRect());
        EXPECT_EQ(ClientPixel(*control, middle.X, middle.Y), EditSkin::SidePage[side]) << side << ": the sheet shows the page";
        const TRect page = control->Geometry().PageRect();
        EXPECT_EQ(ClientPixel(*control, page.Left + 1, page.Top + 1), EditSkin::SidePage[side]) << side;
        static const char* const names[] = {"PAGECONTROL", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT"};
        EXPECT_EQ(control->PageSectionName(), names[side]);
        delete control;
    }
}

TEST_F(TsPageControlSidesTest, WithoutTheSideSectionsTheTabsShowTheParentAndThePageItsOwnSection) {
    for (TTabPosition side : {tpBottom, tpLeft, tpRight}) {
        TsPageControl* control = Pages(side, false);
        const TRect inactive = control->Geometry().TabRect(0, false);
        const TPoint corner{inactive.Left + 1, inactive.Top + 1};
        EXPECT_EQ(ClientPixel(*control, corner.X, corner.Y), EditSkin::Form) << side << ": no tab face";
        EXPECT_EQ(control->PageSectionName(), "PAGECONTROL");
        const TRect page = control->Geometry().PageRect();
        EXPECT_EQ(ClientPixel(*control, page.Left + 1, page.Top + 1), EditSkin::Page) << side;
        delete control;
    }
}

// Also when a hot tab is painted straight onto the screen, over the finished page area.
TEST_F(TsPageControlSidesTest, InactiveTabsOnTopOrLeftNeverReachThePageAreaButTheActiveOneOverlapsIt) {
    for (TTabPosition side : {tpTop, tpLeft}) {
        TsPageControl* control = Pages(side);
        control->SetHotTrack(true);
        Pump();
        const TRect page = control->Geometry().PageRect();
        const TRect inactive = control->Geometry().TabRect(0, false), active = control->Geometry().TabRect(1, true);
        const TPoint over = At(*control, Centre(inactive).X, Centre(inactive).Y);
        MoveTo(over.X, over.Y);
        ASSERT_EQ(control->HotTab(), 0);
        // The first pixel of the page area beside the tab, and the last one of the tab.
        const TPoint inPage = side == tpLeft ? TPoint{page.Left, Centre(inactive).Y} : TPoint{Centre(inactive).X, page.Top};
        const TPoint inTab = side == tpLeft ? TPoint{page.Left - 1, inPage.Y} : TPoint{inPage.X, page.Top - 1};
        ASSERT_TRUE(inactive.Contains(inPage)) << "the rectangle reaches in; the painting must not";
        EXPECT_EQ(ClientPixel(*control, inPage.X, inPage.Y), EditSkin::SidePage[side]) << side;
        EXPECT_NE(ClientPixel(*control, inTab.X, inTab.Y), EditSkin::SidePage[side]) << side;
        const TPoint activeIn = side == tpLeft ? TPoint{page.Left, Centre(active).Y} : TPoint{Centre(active).X, page.Top};
        ASSERT_TRUE(active.Contains(activeIn));
        EXPECT_EQ(ClientPixel(*control, activeIn.X, activeIn.Y), EditSkin::SideActive[side]) << side;
        MoveTo(5, 5);
        delete control;
    }
}

// The sheet starts inside the page's border there, under the active tab's edge.
TEST_F(TsPageControlSidesTest, TheActiveTabBelowOrBesideCoversTheSheetsEdgeWhereItJoinsThePage) {
    for (TTabPosition side : {tpBottom, tpLeft, tpRight}) {
        TsPageControl* control = Pages(side);
        const TRect sheet = control->ActivePage()->BoundsRect();
        const TRect active = control->Geometry().TabRect(1, true);
        const TPoint c = Centre(active);
        const TPoint edge = side == tpBottom ? TPoint{c.X, sheet.Bottom - 1} : side == tpLeft ? TPoint{sheet.Left, c.Y} : TPoint{sheet.Right - 1, c.Y};
        ASSERT_TRUE(active.Contains(edge)) << side;
        EXPECT_EQ(ClientPixel(*control, edge.X, edge.Y), EditSkin::SideActive[side]) << side;
        delete control;
    }
}

// The caption of an inactive tab on a side, drawn as the rules say onto the tab's own colour:
// Arial of the control font's height, turned, centred, in the section's ink.
TEST_F(TsPageControlSidesTest, SideCaptionsAreTurnedArialInTheSectionsInk) {
    for (TTabPosition side : {tpLeft, tpRight}) {
        TsPageControl* control = Pages(side);
        const TRect r = control->Geometry().TabRect(0, false);
        // The next tab covers the last rows, the page area the edge toward it.
        const TRect page = control->Geometry().PageRect();
        const TRect shown{side == tpRight ? page.Right : r.Left, r.Top, side == tpLeft ? page.Left : r.Right, r.Bottom - 3};
        Bitmap expected(r.Width(), r.Height());
        expected.Fill(EditSkin::SideNormal[side]);
        DeviceContext dc(&expected);
        TLogFont lf = control->Font()->LogFont();
        lf.FaceName = "Arial";
        lf.Weight = FW_NORMAL;
        lf.Escapement = lf.Orientation = side == tpLeft ? -2700 : -900;
        dc.SelectFont(Font::Get(lf));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(EditSkin::SideInk);
        TRect box = expected.BoundsRect();
        DrawText(&dc, "Выбор", &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        Pump();
        const Bitmap screen = CaptureScreen();
        const TPoint origin = At(*control, r.Left, r.Top);
        int ink = 0, wrong = 0;
        for (int y = shown.Top - r.Top; y < shown.Bottom - r.Top; ++y)
            for (int x = shown.Left - r.Left; x < shown.Right - r.Left; ++x) {
                ink += expected.Pixel(x, y) != EditSkin::SideNormal[side];
                wrong += screen.Pixel(origin.X + x, origin.Y + y) != expected.Pixel(x, y);
            }
        EXPECT_GT(ink, 10) << side;
        EXPECT_EQ(wrong, 0) << side;

        delete control;
    }
}

// Dark pixels of the tab in the middle of its length: the caption's ink.
int InkIn(const Bitmap& screen, const TRect& tab) {
    int ink = 0;
    for (int y = tab.Top + 2; y < tab.Bottom - 2; ++y)
        for (int x = tab.Left + 10; x < tab.Right - 3; ++x) {
            const TColor c = screen.Pixel(x, y);
            ink += c != RGB(1, 99, 1) && GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
        }
    return ink;
}

TEST_F(TsPageControlSidesTest, OnDrawTabReplacesTheCaptionOnTheTabsTarget) {
    TsPageControl* control = Pages(tpTop);
    auto onScreen = [&](int i) {
        const TRect r = control->Geometry().TabRect(i, i == 1);
        const TPoint p = At(*control, r.Left, r.Top);
        return Bounds(p.X, p.Y, r.Width(), control->Geometry().PageRect().Top - r.Top);
    };
    Pump();
    for (int i = 0; i < 3; ++i) ASSERT_GT(InkIn(CaptureScreen(), onScreen(i)), 5) << "captions before";
    std::vector<std::pair<int, bool>> drawn;
    control->OnDrawTab = [&drawn](TCustomTabControl*, TCanvas* canvas, int tab, const TRect& rect, bool active) {
        drawn.emplace_back(tab, active);
        canvas->Brush()->SetColor(RGB(1, 99, 1));
        canvas->FillRect({rect.Left + 4, rect.Top + 4, rect.Left + 8, rect.Top + 8});
    };
    control->SetOwnerDraw(true);
    control->SkinData()->Invalidate();
    Pump();
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{0, false}, {1, true}, {2, false}}));
    const Bitmap screen = CaptureScreen();
    for (int i = 0; i < 3; ++i) {
        const TRect r = control->Geometry().TabRect(i, i == 1);
        EXPECT_EQ(ClientPixel(*control, r.Left + 5, r.Top + 5), RGB(1, 99, 1)) << i;
        EXPECT_EQ(InkIn(screen, onScreen(i)), 0) << i << ": no caption";
    }
}

} // namespace
