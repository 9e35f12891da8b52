// Which cell of a grid of choices an arrow key (or Home, End) moves the choice to.
#pragma once

#include "platform/window/WinTypes.h"

#include <optional>

// The cells are numbered row by row, columns to a row; current is -1 while none is chosen, when
// every arrow and Home choose the first cell and End the last. Left and right stop at the first
// and the last cell; up and down do nothing where they would leave the grid. Nothing for a key
// that does not move a choice, or for a grid without cells.
std::optional<int> GridKeyTarget(WORD key, int current, int count, int columns);

// True for the keys GridKeyTarget reads.
bool IsGridKey(WORD key);
