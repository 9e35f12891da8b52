// The skinned colour grid: layout, painting and choosing.
#include "skin/controls/TsColorsPanel.h"

#include "skin/paint/ColorBlend.h"

#include "skin/data/TsGeneralData.h"

#include "framework/GridKeys.h"
#include "framework/RrggbbText.h"
#include "framework/TCanvas.h"
#include "framework/TFont.h"
#include "framework/TStringList.h"
#include "platform/window/Win.h"

#include <algorithm>

namespace {

constexpr const char* MainPalette[] = {
    "8080FF", "80FFFF", "80FF80", "80FF00", "FFFF80", "FF8000", "C080FF", "FF80FF", //
    "0000FF", "00FFFF", "00FF80", "40FF00", "FFFF00", "C08000", "C08080", "FF00FF", //
    "404080", "4080FF", "00FF00", "808000", "804000", "FF8080", "400080", "8000FF", //
    "000080", "0080FF", "008000", "408000", "FF0000", "A00000", "800080", "FF0080", //
    "000040", "004080", "004000", "004040", "800000", "400000", "400040", "800040", //
    "000000", "008080", "408080", "808080", "808040", "C0C0C0", "400040", "FFFFFF",
};

// The ring round the chosen cell: two pixels wide, one pixel off the cell.
constexpr int RingGap = 1;
constexpr int RingWidth = 2;

} // namespace

TsColorsPanel::TsColorsPanel(TComponent* owner)
    : TsPanel(owner, ControlKindCode), FColors(std::make_unique<TStringList>()) {
    FControlStyle.Exclude(csSetCaption);
    FControlStyle.Exclude(csAcceptsControls);
    SetCaption("");
    SetTabStop(true);
    for (const char* colour : MainPalette) FColors->Add(colour);
    FColors->OnChange = [this](TObject*) { GridChanged(); };
    const int bevel = 1;
    SetBounds(Left(), Top(), 2 * bevel + FItemMargin + FColCount * (FItemWidth + FItemMargin),
              2 * bevel + FItemMargin + FRowCount * (FItemHeight + FItemMargin));
}

TsColorsPanel::~TsColorsPanel() {
    FColors->OnChange = nullptr;
}

// --- properties --------------------------------------------------------------------------------

void TsColorsPanel::SetColCount(int value) {
    FColCount = std::max(1, value);
    GridChanged();
}

void TsColorsPanel::SetRowCount(int value) {
    FRowCount = std::max(1, value);
    GridChanged();
}

void TsColorsPanel::SetItemWidth(int value) {
    FItemWidth = std::max(1, value);
    Redraw();
}

void TsColorsPanel::SetItemHeight(int value) {
    FItemHeight = std::max(1, value);
    Redraw();
}

void TsColorsPanel::SetItemMargin(int value) {
    FItemMargin = std::max(0, value);
    Redraw();
}

void TsColorsPanel::SetColors(const TStrings* colors) {
    FColors->Assign(colors);
}

void TsColorsPanel::SetItemIndex(int value) {
    if (value < 0 || value >= ItemCount()) value = -1;
    if (value == FItemIndex) return;
    FItemIndex = value;
    Redraw();
    if (OnChange) OnChange(this);
}

void TsColorsPanel::GridChanged() {
    if (FItemIndex >= ItemCount()) SetItemIndex(-1);
    Redraw();
}

void TsColorsPanel::Redraw() {
    SkinData()->Invalidate();
}

// --- layout ------------------------------------------------------------------------------------

int TsColorsPanel::ItemCount() const {
    return std::min(FColCount * FRowCount, FColors->Count());
}

TColor TsColorsPanel::ItemColor(int index) const {
    if (index < 0 || index >= ItemCount()) return clNone;
    return RrggbbToColor(FColors->Strings(index)).value_or(clNone);
}

TRect TsColorsPanel::ItemRect(int index) const {
    const TRect area = BevelledArea();
    const int col = index % FColCount, row = index / FColCount;
    return Bounds(area.Left + FItemMargin + col * (FItemWidth + FItemMargin),
                  area.Top + FItemMargin + row * (FItemHeight + FItemMargin), FItemWidth, FItemHeight);
}

int TsColorsPanel::ItemAt(TPoint point) const {
    const TRect area = BevelledArea();
    const int x = point.X - area.Left - FItemMargin, y = point.Y - area.Top - FItemMargin;
    if (x < 0 || y < 0) return -1;
    const int col = x / (FItemWidth + FItemMargin), row = y / (FItemHeight + FItemMargin);
    if (col >= FColCount || x % (FItemWidth + FItemMargin) >= FItemWidth) return -1;
    if (y % (FItemHeight + FItemMargin) >= FItemHeight) return -1;
    const int index = row * FColCount + col;
    return index < ItemCount() ? index : -1;
}

// --- painting ----------------------------------------------------------------------------------

// Each cell is framed by a line halfway between the text and the background colour, so white
// and black cells keep their edge on any panel; the chosen one is ringed in the text colour,
// which every skin sets off against its panel.
void TsColorsPanel::PaintContent(TCanvas& canvas) {
    const TsGeneralData* section = SkinData()->IsSkinned() ? SkinData()->Section() : nullptr;
    const TColor background = section && !SkinData()->CustomColor() ? section->Color : ColorToRGB(Color());
    const TColor text = section ? section->FontColor[0] : ColorToRGB(Font()->Color());
    const TColor line = MixColors(text, background, 0.5);
    HDC dc = canvas.Handle();
    for (int i = 0; i < ItemCount(); ++i) {
        const TRect cell = ItemRect(i);
        dc->FrameRect(cell, line);
        const TColor colour = ItemColor(i);
        if (colour != clNone) dc->FillRect(cell.Inflate(-1, -1), colour);
    }
    if (FItemIndex >= 0) dc->FrameRect(ItemRect(FItemIndex).Inflate(RingGap + RingWidth, RingGap + RingWidth), text, RingWidth);
    // The focus is shown at the cell the arrows start from, in the ring's gap: round the whole
    // grid it would run over the skin's border ornaments.
    if (Focused() && ItemCount() > 0) dc->DrawFocusRect(ItemRect(std::max(0, FItemIndex)).Inflate(RingGap, RingGap));
}

// --- input -------------------------------------------------------------------------------------

void TsColorsPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const int index = ItemAt({x, y});
        if (index >= 0) SetItemIndex(index);
    }
    TsPanel::MouseDown(button, shift, x, y);
}

void TsColorsPanel::KeyDown(WORD& key, TShiftState shift) {
    TsPanel::KeyDown(key, shift);
    if (!IsGridKey(key)) return;
    if (const auto target = GridKeyTarget(key, FItemIndex, ItemCount(), FColCount)) SetItemIndex(*target);
    key = 0;
}

void TsColorsPanel::WMGetDlgCode(TMessage& message) {
    message.Result = DLGC_WANTARROWS;
}

void TsColorsPanel::CMEnter(TMessage& message) {
    TsPanel::CMEnter(message);
    Redraw();
}

void TsColorsPanel::CMExit(TMessage& message) {
    TsPanel::CMExit(message);
    Redraw();
}
