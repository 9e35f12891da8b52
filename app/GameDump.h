// The game's fields in automation dumps: every cell's state and the main window's game.
#pragma once

// Cells get CellIndex, Value, Marks, Opened and Down; the main window Difficulty, Training,
// Errors, Seconds and Sectw. Safe to call more than once.
void RegisterGameDump();
