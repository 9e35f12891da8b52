// Grid positions, cell sizes and the marks text.
#include "app/BoardGeometry.h"

#include "framework/Exception.h"

#include <algorithm>
#include <limits>

namespace {

int GridPosition(std::int64_t item, int size, int block, int gap) {
    if (block == 0) block = 1;
    const std::int64_t position = gap + item * size + (item / block) * std::int64_t{gap};
    if (position < std::numeric_limits<int>::min() || position > std::numeric_limits<int>::max())
        throw ERangeError("Range check error");
    return static_cast<int>(position);
}

// Column and row of item i, the quotient truncated toward zero.
void GridPlace(int i, int n, int base, std::int64_t& column, std::int64_t& row) {
    if (n == 0) throw ERangeError("Range check error");
    const std::int64_t offset = std::int64_t{i} - base;
    row = offset / n;
    column = offset - row * n;
}

} // namespace

int GridLeft(int i, int n, int size, int base, int block, int gap) {
    std::int64_t column = 0, row = 0;
    GridPlace(i, n, base, column, row);
    return GridPosition(column, size, block, gap);
}

int GridTop(int i, int n, int size, int base, int block, int gap) {
    std::int64_t column = 0, row = 0;
    GridPlace(i, n, base, column, row);
    return GridPosition(row, size, block, gap);
}

std::string MarksText(std::uint16_t marks) {
    std::string text, line;
    for (int d = 1; d <= 9; ++d) {
        line += (marks & (1u << d)) ? " " + std::to_string(d) : "  ";
        if (d % 3 != 0) continue;
        text += line.substr(1);
        if (d < 7) text += "\r\n";
        line.clear();
    }
    return text;
}

TCellSize BoardCellSize(int panelWidth, int panelHeight, int gap) {
    const std::int64_t blocks = 4 * std::int64_t{gap};
    return {static_cast<int>((panelWidth - blocks) / 9), static_cast<int>((panelHeight - blocks) / 9)};
}

int MaxBoardGap(int panelWidth, int panelHeight) {
    // Four gaps and nine of the smallest cells across the shorter side.
    return std::max(0, (std::min(panelWidth, panelHeight) - 9 * MinCellSide) / 4);
}

int OpenedFontSize(const TCellSize& cell) {
    return (cell.Width + cell.Height) / 4;
}

int MarksFontSize(const TCellSize& cell) {
    return (cell.Width + cell.Height) / 12;
}
