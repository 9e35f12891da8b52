// A board cell: a skinned speed button that knows its solution digit, its pencil marks, its
// place on the board and whether its digit is shown.
#pragma once

#include "skin/controls/TsSpeedButton.h"

#include <cstdint>

class TMyButton : public TsSpeedButton {
public:
    explicit TMyButton(TComponent* owner);
    std::string ClassName() const override { return "TMyButton"; }

    // Empty, raised, not opened, no digit and no marks.
    void ClearCell();
    // Shows the digit and keeps the cell pressed: it is settled.
    void ShowCellValue();
    // Shows the marks as a 3 × 3 keypad of small digits and keeps them; Down and Opened stay.
    void ShowCellMarks(std::uint16_t marks);

    std::uint8_t Value = 0;   // the solution's digit, 1..9 (0 only after ClearCell)
    std::uint16_t Marks = 0;  // the pencil marks last stored, bits 1..9
    std::uint8_t CellIndex = 0;
    std::uint8_t PosX = 0;    // column 1..9
    std::uint8_t PosY = 0;    // row 1..9
    bool Opened = false;      // the digit is shown (given at the start or solved)
};
