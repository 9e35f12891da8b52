// Where the board's cells and the chooser's keys go, and what a cell with pencil marks shows.
#pragma once

#include <cstdint>
#include <string>

// The pixel position of item i in a grid n items wide whose items are size pixels and whose
// blocks of `block` items (0 counts as 1) are separated, and preceded, by gap pixels; items are
// counted from base. A result beyond 32 bits, or a grid 0 items wide, throws ERangeError.
int GridLeft(int i, int n, int size, int base, int block, int gap);
int GridTop(int i, int n, int size, int base, int block, int gap);

// The text of a cell's pencil marks (bits 1..9): three lines of five characters, digits 1-2-3,
// 4-5-6 and 7-8-9 in columns 1, 3 and 5, spaces elsewhere, lines joined by CR LF.
std::string MarksText(std::uint16_t marks);

// One cell's size on a panel of that size with `gap` pixels around and between the 3 × 3
// blocks; the space the divisions leave stays at the right and bottom. It can be 0 or negative
// when the gap is too large: the cells then get that size.
struct TCellSize {
    int Width = 0;
    int Height = 0;
};
TCellSize BoardCellSize(int panelWidth, int panelHeight, int gap);
// The smallest cell side a limited gap leaves: room for a digit of 6 points and marks of 2.
constexpr int MinCellSide = 12;
// The largest gap with which a panel of that size still gives each cell MinCellSide pixels each
// way (0 when no gap does). Stored gaps are limited to it, so that a board is always playable.
int MaxBoardGap(int panelWidth, int panelHeight);
// Font sizes of an opened cell (its digit) and of the others (marks), by cell size.
int OpenedFontSize(const TCellSize& cell);
int MarksFontSize(const TCellSize& cell);
