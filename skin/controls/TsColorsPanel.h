// The skinned colour grid: ColCount × RowCount colour cells on a panel, one of them chosen.
#pragma once

#include "skin/controls/TsPanel.h"

#include <memory>

class TStringList;
class TStrings;

// Cells of ItemWidth × ItemHeight pixels stand ItemMargin apart and ItemMargin inside the panel's
// border, row by row; cell i takes the colour of line i of Colors, six hexadecimal digits red
// first ("FF8000"). A cell whose line is missing is not drawn and cannot be chosen; one whose
// line is not such a colour is an empty slot that can be chosen.
//
// The chosen cell (ItemIndex, -1 for none) is ringed in the text colour of the panel (the
// section's, skinned), which every skin makes stand out from its panel; a focused grid shows a
// dotted frame inside that ring (round the first cell while none is chosen). A click on a cell or the
// arrow keys (Home and End too) choose; the arrows stop at the first and the last cell and an
// arrow up or down that would leave the grid does nothing. OnChange follows every change of
// ItemIndex, by the user or by program, and nothing else.
//
// Defaults: 8 × 6 cells of 23 × 23 pixels, 4 apart, holding the 48 colours of the colour
// dialog's main palette; nothing chosen; 222 × 168 pixels, which is that grid inside the plain
// panel's one-pixel bevel; no caption; a tab stop.
class TsColorsPanel : public TsPanel {
public:
    static constexpr int DefaultColCount = 8;
    static constexpr int DefaultRowCount = 6;
    static constexpr int DefaultItemSize = 23;
    static constexpr int DefaultItemMargin = 4;

    explicit TsColorsPanel(TComponent* owner);
    ~TsColorsPanel() override;
    std::string ClassName() const override { return "TsColorsPanel"; }

    int ColCount() const { return FColCount; }
    void SetColCount(int value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    int ItemWidth() const { return FItemWidth; }
    void SetItemWidth(int value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    int ItemMargin() const { return FItemMargin; }
    void SetItemMargin(int value);
    TStringList* Colors() const { return FColors.get(); }
    void SetColors(const TStrings* colors);
    int ItemIndex() const { return FItemIndex; }
    // An index outside the cells that can be chosen means none.
    void SetItemIndex(int value);

    // The cells that can be chosen: the grid's, as far as Colors has lines for them.
    int ItemCount() const;
    // The colour of a cell; clNone for an empty slot or an index outside the cells.
    TColor ItemColor(int index) const;
    TRect ItemRect(int index) const;
    // The cell under a client point, -1 in a margin or outside the cells.
    int ItemAt(TPoint point) const;

    TNotifyEvent OnChange;

protected:
    void PaintContent(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void WMGetDlgCode(TMessage& message) override;
    void CMEnter(TMessage& message) override;
    void CMExit(TMessage& message) override;

private:
    // Grid or colours changed: a chosen cell that is gone is unchosen, and the panel repaints.
    void GridChanged();
    void Redraw();

    std::unique_ptr<TStringList> FColors;
    int FColCount = DefaultColCount;
    int FRowCount = DefaultRowCount;
    int FItemWidth = DefaultItemSize;
    int FItemHeight = DefaultItemSize;
    int FItemMargin = DefaultItemMargin;
    int FItemIndex = -1;
};
