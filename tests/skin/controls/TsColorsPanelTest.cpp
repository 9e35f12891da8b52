// The colour grid panel: where its cells are and what a click in a margin does, the arrow keys
// stopping at the grid's edges, OnChange only for a real change, and the cells' pixels skinned
// and plain.
#include "skin/controls/TsColorsPanel.h"
#include "tests/skin/controls/BoardControlsKit.h"

#include "skin/paint/ColorBlend.h"

#include "skin/data/TsGeneralData.h"

#include "framework/TFont.h"
#include "framework/TStringList.h"

namespace {

class ColorsPanel : public BoardControlsTest {
protected:
    void SetUp() override {
        BoardControlsTest::SetUp();
        Grid = new TsColorsPanel(Form);
        Grid->SetParent(Form);
        Grid->SetLeft(10);
        Grid->SetTop(10);
        Grid->OnChange = [this](TObject*) { ++Changes; };
        Pump();
    }
    // The top-left of cell (col, row) from the one-pixel bevel, the margin and the cell size.
    TPoint CellAt(int col, int row) const {
        const int m = Grid->ItemMargin();
        return {1 + m + col * (Grid->ItemWidth() + m), 1 + m + row * (Grid->ItemHeight() + m)};
    }
    void Click(TPoint client) {
        const TPoint screen = At(*Grid, client.X, client.Y);
        ClickAt(screen.X, screen.Y);
    }
    void Colours(std::initializer_list<const char*> lines) {
        TStringList list;
        for (const char* line : lines) list.Add(line);
        Grid->SetColors(&list);
    }

    TsColorsPanel* Grid = nullptr;
    int Changes = 0;
};

} // namespace

TEST_F(ColorsPanel, ByDefaultItIsTheMainPaletteOfEightBySixCellsWithNothingChosen) {
    EXPECT_EQ(Grid->ItemCount(), 48);
    EXPECT_EQ(Grid->ItemIndex(), -1);
    EXPECT_EQ(Grid->ItemColor(0), RGB(0x80, 0x80, 0xFF));
    EXPECT_EQ(Grid->ItemColor(28), RGB(0xFF, 0, 0)) << "red, row 4 column 5";
    EXPECT_EQ(Grid->Width(), 2 + 4 + 8 * 27) << "the grid and its margins inside the bevel";
    EXPECT_EQ(Grid->Height(), 2 + 4 + 6 * 27);
    EXPECT_EQ(Grid->ItemRect(47).BottomRight(), (TPoint{Grid->Width() - 1 - 4, Grid->Height() - 1 - 4}));
}

TEST_F(ColorsPanel, AClickOnACellsEdgeChoosesItAndAClickInAMarginChoosesNothing) {
    const TPoint first = CellAt(0, 0), second = CellAt(1, 0), below = CellAt(0, 1);
    Click({first.X - 1, first.Y}); // the margin before the first cell
    Click({first.X + 23, first.Y + 5}); // the margin between the first two cells
    Click({first.X + 5, first.Y + 23}); // the margin between the first two rows
    EXPECT_EQ(Grid->ItemIndex(), -1);
    EXPECT_EQ(Changes, 0);
    EXPECT_TRUE(Grid->Focused()) << "a click in a margin still focuses the grid";

    Click({first.X + 22, first.Y + 22}); // the last pixel of the first cell
    EXPECT_EQ(Grid->ItemIndex(), 0);
    Click(second);
    EXPECT_EQ(Grid->ItemIndex(), 1);
    Click(below);
    EXPECT_EQ(Grid->ItemIndex(), 8);
    Click(below); // the same cell again
    EXPECT_EQ(Changes, 3);

    Colours({"FF0000", "00FF00", "0000FF"}); // cells past the colours' end are no cells
    EXPECT_EQ(Grid->ItemIndex(), -1) << "the chosen cell is gone";
    EXPECT_EQ(Changes, 4);
    Click(CellAt(3, 0));
    EXPECT_EQ(Grid->ItemIndex(), -1);
    EXPECT_EQ(Grid->ItemAt(CellAt(2, 0)), 2);
}

TEST_F(ColorsPanel, TheArrowsStopAtTheFirstAndLastCellAndUpOrDownNeverLeaveTheGrid) {
    Colours({"000000", "111111", "222222", "333333", "444444", "555555", "666666", "777777", "888888", "999999"});
    Grid->SetFocus();
    Tap(VK_LEFT);
    EXPECT_EQ(Grid->ItemIndex(), 0) << "from nothing chosen an arrow chooses the first cell";
    Tap(VK_LEFT);
    Tap(VK_UP);
    EXPECT_EQ(Grid->ItemIndex(), 0);
    EXPECT_EQ(Changes, 1) << "no change at the edge, no OnChange";
    Tap(VK_DOWN);
    EXPECT_EQ(Grid->ItemIndex(), 8);
    Tap(VK_RIGHT);
    Tap(VK_RIGHT);
    EXPECT_EQ(Grid->ItemIndex(), 9) << "the last cell";
    Tap(VK_DOWN);
    EXPECT_EQ(Grid->ItemIndex(), 9);
    Tap(VK_HOME);
    Tap(VK_RIGHT);
    Tap(VK_RIGHT);
    Tap(VK_DOWN); // cell 10 does not exist
    EXPECT_EQ(Grid->ItemIndex(), 2);
    Tap(VK_END);
    EXPECT_EQ(Grid->ItemIndex(), 9);
    Tap(VK_UP);
    EXPECT_EQ(Grid->ItemIndex(), 1);
    EXPECT_EQ(Changes, 8);
}

TEST_F(ColorsPanel, OnChangeFollowsOnlyARealChangeOfTheChosenCell) {
    Grid->SetItemIndex(5);
    Grid->SetItemIndex(5);
    EXPECT_EQ(Changes, 1);
    Grid->SetItemIndex(500);
    EXPECT_EQ(Grid->ItemIndex(), -1) << "outside the cells means none";
    Grid->SetItemIndex(-7);
    EXPECT_EQ(Changes, 2);
    Grid->SetItemIndex(47);
    Grid->SetRowCount(5); // the chosen cell is cut off
    EXPECT_EQ(Grid->ItemIndex(), -1);
    Grid->SetRowCount(6);
    Grid->SetColCount(8);
    EXPECT_EQ(Changes, 4);
}

TEST_F(ColorsPanel, CellsAreFramedHalfwayToTheTextColourAndTheChosenOneIsRingedInIt) {
    Colours({"FF0000", "FFFFFF", "", "zz00zz"});
    Grid->SetItemIndex(1);
    const auto expectCells = [&](TColor background, TColor text, const char* look) {
        const TColor line = MixColors(text, background, 0.5);
        const TPoint red = CellAt(0, 0), white = CellAt(1, 0), empty = CellAt(2, 0);
        EXPECT_EQ(Pixel(*Grid, red.X, red.Y), line) << look;
        EXPECT_EQ(Pixel(*Grid, red.X + 11, red.Y + 11), RGB(255, 0, 0)) << look;
        EXPECT_EQ(Pixel(*Grid, white.X + 22, white.Y + 11), line) << look;
        EXPECT_EQ(Pixel(*Grid, white.X + 11, white.Y + 11), RGB(255, 255, 255)) << look;
        EXPECT_EQ(Pixel(*Grid, white.X - 1, white.Y + 11), background) << look << ": the gap";
        EXPECT_EQ(Pixel(*Grid, white.X - 2, white.Y + 11), text) << look << ": the ring";
        EXPECT_EQ(Pixel(*Grid, white.X - 3, white.Y + 11), text) << look << ": the ring";
        EXPECT_EQ(Pixel(*Grid, red.X - 2, red.Y + 11), background) << look << ": no ring round the others";
        EXPECT_EQ(Pixel(*Grid, empty.X, empty.Y), line) << look << ": an empty slot keeps its frame";
        EXPECT_EQ(Pixel(*Grid, empty.X + 11, empty.Y + 11), background) << look;
        EXPECT_EQ(Grid->ItemColor(3), clNone) << "not a colour: an empty slot";
    };
    Grid->Font()->SetColor(RGB(0, 0, 128));
    Pump();
    expectCells(ColorToRGB(Grid->Color()), RGB(0, 0, 128), "plain");
    SkinOn();
    const TsGeneralData* section = Grid->SkinData()->Section();
    ASSERT_NE(section, nullptr);
    expectCells(BoardSkin::Panel, section->FontColor[0], "skinned");
    EXPECT_EQ(Pixel(*Grid, 0, 40), BoardSkin::Frame) << "inside the skin's frame";

    Grid->SetFocus();
    Pump();
    const TPoint white = CellAt(1, 0);
    const bool dotted = Pixel(*Grid, white.X - 1, white.Y + 11) != BoardSkin::Panel ||
                        Pixel(*Grid, white.X - 1, white.Y + 12) != BoardSkin::Panel; // every other pixel
    EXPECT_TRUE(dotted) << "focused: dotted in the ring's gap";
    EXPECT_EQ(Pixel(*Grid, 0, 40), BoardSkin::Frame) << "and nothing over the skin's frame";
}
