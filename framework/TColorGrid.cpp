// Colour swatches: layout, painting and choosing.
#include "framework/TColorGrid.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/GridKeys.h"

#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <algorithm>

namespace {
constexpr int kInset = 2; // between a cell's edge and its swatch's frame
}

TColorGrid::TColorGrid(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
    SetTabStop(true);
    SetColor(clBtnFace);
    SetGridSize(8, 1);
}

void TColorGrid::SetGridSize(int columns, int rows) {
    FColumns = std::max(1, columns);
    FRows = std::max(1, rows);
    FColors.resize(static_cast<std::size_t>(FColumns * FRows), clWhite);
    if (FItemIndex >= Count()) FItemIndex = -1;
    Invalidate();
}

void TColorGrid::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format(SListIndexError, {index}));
}

TColor TColorGrid::Colors(int index) const {
    CheckIndex(index);
    return FColors[static_cast<std::size_t>(index)];
}

void TColorGrid::SetColors(int index, TColor color) {
    CheckIndex(index);
    FColors[static_cast<std::size_t>(index)] = color;
    Invalidate();
}

void TColorGrid::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == FItemIndex) return;
    FItemIndex = index;
    Invalidate();
    if (OnChange) OnChange(this);
}

int TColorGrid::IndexOf(TColor color) const {
    const auto found = std::find(FColors.begin(), FColors.end(), color);
    return found == FColors.end() ? -1 : static_cast<int>(found - FColors.begin());
}

TRect TColorGrid::ItemRect(int index) const {
    const int cellWidth = Width() / FColumns, cellHeight = Height() / FRows;
    return Bounds(index % FColumns * cellWidth, index / FColumns * cellHeight, cellWidth, cellHeight);
}

int TColorGrid::ItemAt(TPoint point) const {
    for (int i = 0; i < Count(); ++i) {
        const TRect cell = ItemRect(i);
        if (TRect{cell.Left + kInset, cell.Top + kInset, cell.Right - kInset, cell.Bottom - kInset}.Contains(
                point))
            return i;
    }
    return -1;
}

void TColorGrid::Paint() {
    HDC dc = Canvas()->Handle();
    dc->FillRect(ClientRect(), ColorToRGB(Color()));
    for (int i = 0; i < Count(); ++i) {
        const TRect cell = ItemRect(i);
        TRect swatch{cell.Left + kInset, cell.Top + kInset, cell.Right - kInset, cell.Bottom - kInset};
        if (i == FItemIndex) {
            dc->FrameRect({cell.Left, cell.Top, cell.Right, cell.Bottom}, clBlack);
            if (Focused())
                ClassicStyle::DrawFocusRect(dc,
                                            {cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1});
        }
        ClassicStyle::DrawEdge(dc, &swatch, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        dc->FillRect(swatch, ColorToRGB(FColors[static_cast<std::size_t>(i)]));
    }
}

void TColorGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus()) SetFocus();
        const int index = ItemAt({x, y});
        if (index >= 0) SetItemIndex(index);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

// Arrows, Home and End move the choice (from the first swatch when none is chosen) and stop at
// the edges.
void TColorGrid::KeyDown(WORD& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (!IsGridKey(key)) return;
    if (const auto target = GridKeyTarget(key, FItemIndex, Count(), FColumns)) SetItemIndex(*target);
    key = 0;
}

void TColorGrid::WMGetDlgCode(TMessage& m) {
    m.Result = DLGC_WANTARROWS;
}

void TColorGrid::CMEnter(TMessage& m) {
    TCustomControl::CMEnter(m);
    Invalidate();
}

void TColorGrid::CMExit(TMessage& m) {
    TCustomControl::CMExit(m);
    Invalidate();
}
