// Answering cells: the chooser's caption, pages, marks and placement, and what a right digit, a
// wrong digit in and out of training, and a chooser closed without a digit do to the cell.
#include "tests/app/GameFixture.h"

#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsTabSheet.h"

namespace {

struct TCellState {
    bool Opened = false;
    bool Down = false;
    std::uint16_t Marks = 0;
    std::string Caption;
};

constexpr std::uint16_t Mark(int d) {
    return static_cast<std::uint16_t>(1u << d);
}

} // namespace

class ClickFlowTest : public GameTest {
protected:
    TCellState CellState(int index) {
        return Ui([&] {
            TMyButton* c = Form1->Cell(index);
            return TCellState{c->Opened, c->Down(), c->Marks, c->Caption()};
        });
    }
    // A hidden cell in the given column and row (1..9), when the board has one there.
    int HiddenCellAt(int column, int row) {
        for (int i : HiddenCells())
            if (i % 9 + 1 == column && i / 9 + 1 == row) return i;
        return -1;
    }
    // Any hidden cell whose column is in [c1, c2] and row in [r1, r2].
    int HiddenCellIn(int c1, int c2, int r1, int r2) {
        for (int i : HiddenCells()) {
            const int c = i % 9 + 1, r = i / 9 + 1;
            if (c >= c1 && c <= c2 && r >= r1 && r <= r2) return i;
        }
        return -1;
    }
    bool MarksPageShown() {
        return Ui([] { return SetValueF->PageControl->ActivePage() == SetValueF->PageSetTemp; });
    }
};

TEST_F(ClickFlowTest, ALeftClickOpensTheDigitPageBesideTheCellWithItsCoordinates) {
    Start();
    const int cell = HiddenCells().front();
    ClickCell(cell);
    ASSERT_TRUE(ChooserShown());
    EXPECT_FALSE(MarksPageShown());
    EXPECT_TRUE(CellState(cell).Down); // pressed while it is being answered
    const std::string expected = "Выбери...                координаты: x=" + std::to_string(cell % 9 + 1) +
                                 " y=" + std::to_string(cell / 9 + 1) + ")";
    EXPECT_EQ(ActiveCaption(), expected);
    PressEscape();
    EXPECT_FALSE(ChooserShown());
}

TEST_F(ClickFlowTest, TheChooserOpensRightAndBelowInTheUpperLeftAndLeftAndAboveInTheLowerRight) {
    Start(7);
    const int upperLeft = HiddenCellIn(1, 6, 1, 6);
    const int lowerRight = HiddenCellIn(7, 9, 7, 9);
    ASSERT_GE(upperLeft, 0);
    ASSERT_GE(lowerRight, 0);
    for (const int cell : {upperLeft, lowerRight}) {
        ClickCell(cell);
        ASSERT_TRUE(ChooserShown());
        const auto [chooser, form, inPanel] = Ui([&] {
            TMyButton* c = Form1->Cell(cell);
            return std::make_tuple(SetValueF->BoundsRect(), Form1->BoundsRect(), c->BoundsRect());
        });
        if (cell == upperLeft) {
            EXPECT_EQ(chooser.Left, form.Left + inPanel.Right + 10);
            EXPECT_EQ(chooser.Top, form.Top + inPanel.Bottom + 65);
        } else {
            // Its right edge 10 pixels right of the cell's left edge, its bottom 65 below its top.
            EXPECT_EQ(chooser.Right, form.Left + inPanel.Left + 10);
            EXPECT_EQ(chooser.Bottom, form.Top + inPanel.Top + 65);
        }
        EXPECT_EQ(chooser.Width(), 134);
        EXPECT_EQ(chooser.Height(), 134);
        PressEscape();
    }
}

TEST_F(ClickFlowTest, TheRightDigitOpensTheCellAndTheBoardGoesOn) {
    Start();
    const int cell = HiddenCells().front();
    ClickCell(cell);
    ClickDigit(ValueOf(cell));
    EXPECT_FALSE(ChooserShown());
    const TCellState state = CellState(cell);
    EXPECT_TRUE(state.Opened);
    EXPECT_TRUE(state.Down);
    EXPECT_EQ(state.Caption, std::to_string(ValueOf(cell)));
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    // An opened cell opens no chooser any more.
    ClickCell(cell);
    EXPECT_FALSE(ChooserShown());
    EXPECT_TRUE(CellState(cell).Opened);
}

TEST_F(ClickFlowTest, TheDigitKeysAnswerOnTheDigitPage) {
    Start();
    const int cell = HiddenCells().front();
    ClickCell(cell);
    Driver().PressKey(static_cast<UINT>('0' + ValueOf(cell)));
    EXPECT_FALSE(ChooserShown());
    EXPECT_TRUE(CellState(cell).Opened);
}

TEST_F(ClickFlowTest, AWrongDigitInTrainingIsCountedAndTheGameGoesOn) {
    Start();
    Ui([] { Form1->TreningChb->SetChecked(true); });
    const int cell = HiddenCells().front();
    const std::string board = Ui([] { return Form1->Cell(0)->Caption() + Form1->Cell(40)->Caption(); });
    ClickCell(cell);
    ClickDigit(WrongDigitFor(cell));
    EXPECT_EQ(ActiveDialogText(), "Неправильно!!!");
    PressEnter();
    EXPECT_EQ(Ui([] { return Form1->TreningErrL->Caption(); }), "1");
    EXPECT_EQ(Ui([] { return Form1->Errors; }), 1);
    const TCellState state = CellState(cell);
    EXPECT_FALSE(state.Opened);
    EXPECT_TRUE(state.Down); // stays pressed, its caption unchanged
    EXPECT_EQ(state.Caption, "");
    EXPECT_EQ(Ui([] { return Form1->Cell(0)->Caption() + Form1->Cell(40)->Caption(); }), board);
    const int seconds = Ui([] { return Form1->Seconds; });
    Driver().Advance(1000);
    EXPECT_EQ(Ui([] { return Form1->Seconds; }), seconds + 1);
}

TEST_F(ClickFlowTest, AWrongDigitOutsideTrainingOffersANewGame) {
    Start();
    int cell = HiddenCells().front();
    ClickCell(cell);
    ClickDigit(WrongDigitFor(cell));
    EXPECT_EQ(ActiveCaption(), "Information");
    EXPECT_EQ(ActiveDialogText(), "Неправильно!!! Вы проиграли! Начать новую игру?");
    // Closing it by its close box leaves the game running, the cell pressed and unchanged.
    const std::vector<int> hidden = HiddenCells();
    ClickCloseBox();
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    EXPECT_EQ(HiddenCells(), hidden);
    EXPECT_TRUE(CellState(cell).Down);
    EXPECT_FALSE(CellState(cell).Opened);
    const int seconds = Ui([] { return Form1->Seconds; });
    Driver().Advance(1000);
    EXPECT_EQ(Ui([] { return Form1->Seconds; }), seconds + 1);
    // Answering OK starts a new game.
    ClickCell(cell);
    ClickDigit(WrongDigitFor(cell));
    PressEnter();
    EXPECT_EQ(Ui([] { return Form1->Seconds; }), 0);
    EXPECT_NE(HiddenCells(), hidden);
}

TEST_F(ClickFlowTest, ARightClickOpensTheMarksPageAndEscStoresTheMarksAndRaisesTheCell) {
    Start();
    const int cell = HiddenCells().front();
    ClickCell(cell, mbRight);
    ASSERT_TRUE(ChooserShown());
    EXPECT_TRUE(MarksPageShown());
    ClickMark(1);
    ClickMark(9);
    PressEscape();
    TCellState state = CellState(cell);
    EXPECT_EQ(state.Marks, Mark(1) | Mark(9));
    EXPECT_FALSE(state.Down);
    EXPECT_EQ(state.Caption, "1    \r\n     \r\n    9");
    // The next opening shows exactly those marks; a changed set closed by the close box is kept.
    ClickCell(cell, mbRight);
    EXPECT_EQ(Ui([] {
                  std::uint16_t down = 0;
                  for (int n = 1; n <= 9; ++n)
                      if (SetValueF->MarkButtons[n - 1]->Down()) down |= Mark(n);
                  return down;
              }),
              Mark(1) | Mark(9));
    ClickMark(9);
    ClickMark(5);
    ClickCloseBox();
    EXPECT_EQ(CellState(cell).Marks, Mark(1) | Mark(5));
    EXPECT_FALSE(ChooserShown());
}

TEST_F(ClickFlowTest, ARightClickOnAnyChooserButtonClosesItWithoutADigit) {
    Start();
    const int cell = HiddenCells().front();
    ClickCell(cell, mbRight);
    ClickMark(4);
    ClickMark(2, mbRight);
    EXPECT_FALSE(ChooserShown());
    EXPECT_EQ(CellState(cell).Marks, Mark(4));
    ClickCell(cell);
    ClickDigit(ValueOf(cell), mbRight);
    EXPECT_FALSE(ChooserShown());
    EXPECT_FALSE(CellState(cell).Opened);
    EXPECT_EQ(CellState(cell).Marks, Mark(4));
}

TEST_F(ClickFlowTest, TrainingOnKeepsTheBoardAndTrainingOffStartsAFreshGame) {
    Start();
    const std::vector<int> hidden = HiddenCells();
    Driver().Advance(2000);
    Ui([] { Form1->TreningChb->SetChecked(true); });
    EXPECT_EQ(HiddenCells(), hidden);
    EXPECT_TRUE(Ui([] { return Form1->Training && Form1->TreningErrL->Visible(); }));
    EXPECT_EQ(Ui([] { return Form1->Seconds; }), 2);
    Ui([] { Form1->TreningChb->SetChecked(false); });
    EXPECT_NE(HiddenCells(), hidden);
    EXPECT_FALSE(Ui([] { return Form1->Training || Form1->TreningErrL->Visible(); }));
    EXPECT_EQ(Ui([] { return Form1->Seconds; }), 0);
}
