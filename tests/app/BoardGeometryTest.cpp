// Grid positions of the board and the keypads, cell sizes and fonts by panel size, and the text
// that shows a cell's pencil marks.
#include "app/BoardGeometry.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

TEST(GridPosition, BoardColumnsLeaveAGapBeforeEachBlockOfThree) {
    std::vector<int> lefts;
    for (int i = 0; i < 9; ++i) lefts.push_back(GridLeft(i, 9, 42, 0, 3, 10));
    EXPECT_EQ(lefts, (std::vector<int>{10, 52, 94, 146, 188, 230, 282, 324, 366}));
    EXPECT_EQ(GridTop(80, 9, 37, 0, 3, 10), 10 + 8 * 37 + 2 * 10);
    // Rows follow the cell index: cell 9 starts the second row, cell 27 the second block of rows.
    EXPECT_EQ(GridTop(9, 9, 37, 0, 3, 10), 47);
    EXPECT_EQ(GridTop(27, 9, 37, 0, 3, 10), 10 + 3 * 37 + 10);
    EXPECT_EQ(GridLeft(27, 9, 42, 0, 3, 10), 10);
}

TEST(GridPosition, WithoutAGapTheBoardIsAPlainGridFromTheCorner) {
    EXPECT_EQ(GridLeft(0, 9, 40, 0, 3, 0), 0);
    EXPECT_EQ(GridTop(0, 9, 40, 0, 3, 0), 0);
    EXPECT_EQ(GridLeft(4, 9, 40, 0, 3, 0), 160);
    EXPECT_EQ(GridTop(80, 9, 40, 0, 3, 0), 320);
}

TEST(GridPosition, KeypadsCountFromOneWithItemOneTopLeftAndFiveInTheCentre) {
    EXPECT_EQ(GridLeft(1, 3, 30, 1, 1, 0), 0);
    EXPECT_EQ(GridTop(1, 3, 30, 1, 1, 0), 0);
    EXPECT_EQ(GridLeft(3, 3, 30, 1, 1, 0), 60);
    EXPECT_EQ(GridLeft(5, 3, 30, 1, 1, 0), 30);
    EXPECT_EQ(GridTop(5, 3, 30, 1, 1, 0), 30);
    EXPECT_EQ(GridLeft(7, 3, 30, 1, 1, 0), 0);
    EXPECT_EQ(GridTop(9, 3, 30, 1, 1, 0), 60);
}

TEST(GridPosition, ABlockOfZeroCountsAsOne) {
    EXPECT_EQ(GridLeft(2, 3, 30, 0, 0, 5), GridLeft(2, 3, 30, 0, 1, 5));
    EXPECT_EQ(GridLeft(2, 3, 30, 0, 0, 5), 5 + 60 + 10);
}

TEST(GridPosition, ItemsBeforeTheBaseTruncateTowardZero) {
    // Item 0 of a grid counted from 1: offset −1 is row 0 and column −1.
    EXPECT_EQ(GridLeft(0, 3, 30, 1, 1, 0), -30);
    EXPECT_EQ(GridTop(0, 3, 30, 1, 1, 0), 0);
}

TEST(GridPosition, AResultBeyond32BitsOrAGridOfNoWidthIsARangeError) {
    const int big = std::numeric_limits<int>::max();
    EXPECT_THROW(GridLeft(8, 9, big, 0, 3, 10), ERangeError);
    EXPECT_THROW(GridTop(80, 9, 37, 0, 3, big), ERangeError);
    EXPECT_THROW(GridLeft(1, 0, 30, 0, 1, 0), ERangeError);
    try {
        GridLeft(8, 9, big, 0, 3, 10);
    } catch (const ERangeError& error) {
        EXPECT_EQ(error.Message(), "Range check error");
    }
}

TEST(BoardCells, APanelOf426By380WithGap10GivesCellsOf42By37AndFonts19And6) {
    const TCellSize cell = BoardCellSize(426, 380, 10);
    EXPECT_EQ(cell.Width, 42);
    EXPECT_EQ(cell.Height, 37);
    EXPECT_EQ(OpenedFontSize(cell), 19);
    EXPECT_EQ(MarksFontSize(cell), 6);
}

TEST(BoardCells, AGapTooLargeForThePanelGivesCellsOfNoOrNegativeSize) {
    EXPECT_EQ(BoardCellSize(40, 40, 10).Width, 0);
    const TCellSize cell = BoardCellSize(100, 100, 100);
    EXPECT_EQ(cell.Width, -33); // (100 − 400) / 9, truncated toward zero
    EXPECT_EQ(cell.Height, -33);
    // The subtraction cannot overflow even for the largest gap.
    EXPECT_LT(BoardCellSize(100, 100, std::numeric_limits<int>::max()).Width, 0);
}

TEST(MarksText, DigitsStandInAThreeByThreeKeypad) {
    const std::uint16_t marks159 = (1 << 1) | (1 << 5) | (1 << 9);
    EXPECT_EQ(MarksText(marks159), "1    \r\n  5  \r\n    9");
    const std::uint16_t evens = (1 << 2) | (1 << 4) | (1 << 6) | (1 << 8);
    EXPECT_EQ(MarksText(evens), "  2  \r\n4   6\r\n  8  ");
    EXPECT_EQ(MarksText(1022), "1 2 3\r\n4 5 6\r\n7 8 9");
}

TEST(MarksText, NoMarksAreThreeBlankLinesAndBitsOutside1To9AreIgnored) {
    EXPECT_EQ(MarksText(0), "     \r\n     \r\n     ");
    EXPECT_EQ(MarksText(1 | (1 << 10) | (1 << 15)), MarksText(0));
}

TEST(BoardCells, TheLargestGapLeavesCellsOfTwelvePixelsAndOneMoreLeavesLess) {
    // 426 × 380: the shorter side holds four gaps of 68 and nine cells of 12 (272 + 108 = 380).
    EXPECT_EQ(MaxBoardGap(426, 380), 68);
    EXPECT_EQ(BoardCellSize(426, 380, 68).Height, 12);
    EXPECT_EQ(BoardCellSize(426, 380, 69).Height, 11);
    EXPECT_GE(BoardCellSize(426, 380, 68).Width, 12);
    EXPECT_EQ(MaxBoardGap(500, 120), 3);
    EXPECT_EQ(MaxBoardGap(108, 108), 0);
    EXPECT_EQ(MaxBoardGap(0, 0), 0) << "a panel with no room allows no gap, never a negative one";
    EXPECT_EQ(MaxBoardGap(-20, 300), 0);
}
