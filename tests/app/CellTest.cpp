// A board cell on its own: how it starts, and its three looks (empty, marks, digit) with what
// each keeps of the others.
#include "app/TMyButton.h"

#include "tests/framework/FormTestFixture.h"

class CellTest : public FormTest {};

TEST_F(CellTest, ANewCellIsEmptyRaisedAndInTimesNewRoman20Bold) {
    auto form = ShownForm(10, 10, 200, 200);
    TMyButton cell(form.get());
    EXPECT_EQ(cell.Width(), 40);
    EXPECT_EQ(cell.Height(), 40);
    EXPECT_EQ(cell.Font()->Name(), "Times New Roman");
    EXPECT_EQ(cell.Font()->Size(), 20);
    EXPECT_EQ(cell.Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(cell.Caption(), "");
    EXPECT_FALSE(cell.Down());
    EXPECT_FALSE(cell.Opened);
    EXPECT_EQ(cell.Value, 0);
    EXPECT_EQ(cell.Marks, 0);
    EXPECT_EQ(cell.ClassName(), "TMyButton");
}

TEST_F(CellTest, MarksKeepPressAndOpenedWhileADigitPressesAndOpensAndClearingResetsAll) {
    auto form = ShownForm(10, 10, 200, 200);
    auto* cell = new TMyButton(form.get());
    cell->SetParent(form.get());
    cell->SetGroupIndex(1);
    cell->SetAllowAllUp(true);
    cell->Value = 7;

    cell->SetDown(true);
    cell->ShowCellMarks((1 << 2) | (1 << 4) | (1 << 6) | (1 << 8));
    EXPECT_EQ(cell->Caption(), "  2  \r\n4   6\r\n  8  ");
    EXPECT_EQ(cell->Marks, (1 << 2) | (1 << 4) | (1 << 6) | (1 << 8));
    EXPECT_TRUE(cell->Down());
    EXPECT_FALSE(cell->Opened);

    cell->SetDown(false);
    cell->ShowCellValue();
    EXPECT_EQ(cell->Caption(), "7");
    EXPECT_TRUE(cell->Down());
    EXPECT_TRUE(cell->Opened);
    EXPECT_NE(cell->Marks, 0); // marks stay stored behind the digit

    cell->ClearCell();
    EXPECT_EQ(cell->Caption(), "");
    EXPECT_FALSE(cell->Down());
    EXPECT_FALSE(cell->Opened);
    EXPECT_EQ(cell->Value, 0);
    EXPECT_EQ(cell->Marks, 0);
}

TEST_F(CellTest, EachCellInItsOwnGroupTogglesIndependently) {
    auto form = ShownForm(10, 10, 200, 200);
    std::vector<TMyButton*> cells;
    for (int i = 0; i < 3; ++i) {
        auto* cell = new TMyButton(form.get());
        cell->SetParent(form.get());
        cell->SetBounds(i * 50, 0, 40, 40);
        cell->SetAllowAllUp(true);
        cell->SetGroupIndex(i + 1);
        cells.push_back(cell);
    }
    cells[0]->ShowCellValue();
    cells[2]->ShowCellValue();
    EXPECT_TRUE(cells[0]->Down());
    EXPECT_TRUE(cells[2]->Down());
    // A click on an opened cell flips only its own pressed look; its digit stays.
    const TPoint at = At(*form, 20, 20);
    Advance(600);
    ClickAt(at.X, at.Y);
    EXPECT_FALSE(cells[0]->Down());
    EXPECT_TRUE(cells[0]->Opened);
    EXPECT_TRUE(cells[2]->Down());
}
