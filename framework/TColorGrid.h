// A grid of colour swatches to choose from: a sunken frame round each swatch, the chosen one
// outlined, the mouse and the arrow keys to choose, a double click to accept.
#pragma once

#include "framework/TCustomControl.h"

#include <vector>

class TColorGrid : public TCustomControl {
public:
    explicit TColorGrid(TComponent* owner);
    std::string ClassName() const override { return "TColorGrid"; }

    // Columns × Rows swatches share the client area; new swatches are white.
    int Columns() const { return FColumns; }
    int Rows() const { return FRows; }
    void SetGridSize(int columns, int rows);
    int Count() const { return static_cast<int>(FColors.size()); }
    // EListError for a bad index.
    TColor Colors(int index) const;
    void SetColors(int index, TColor color);
    // -1 when none is chosen; OnChange follows a change made by the user or by program.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index);
    // The first swatch of that colour, -1 when none has it.
    int IndexOf(TColor color) const;
    // The swatch under a client point, -1 between or outside the swatches.
    int ItemAt(TPoint point) const;
    TRect ItemRect(int index) const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void WMGetDlgCode(TMessage& message) override;
    void CMEnter(TMessage& message) override;
    void CMExit(TMessage& message) override;

private:
    void CheckIndex(int index) const;

    int FColumns = 8;
    int FRows = 1;
    std::vector<TColor> FColors;
    int FItemIndex = -1;
};
