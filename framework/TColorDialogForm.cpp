// The colour dialog's window: its parts, their layout and how a colour chosen in one part is
// shown in the others.
#include "framework/TColorDialogForm.h"

#include "framework/TButton.h"
#include "framework/TColorGrid.h"
#include "framework/TEdit.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"

#include <algorithm>
#include <string>

namespace {

// Row by row, as RRGGBB.
constexpr std::uint32_t kBasicColors[48] = {
    0x8080FF, 0x80FFFF, 0x80FF80, 0x80FF00, 0xFFFF80, 0xFF8000, 0xC080FF, 0xFF80FF, 0x0000FF, 0x00FFFF,
    0x00FF80, 0x40FF00, 0xFFFF00, 0xC08000, 0xC08080, 0xFF00FF, 0x404080, 0x4080FF, 0x00FF00, 0x808000,
    0x804000, 0xFF8080, 0x400080, 0x8000FF, 0x000080, 0x0080FF, 0x008000, 0x408000, 0xFF0000, 0xA00000,
    0x800080, 0xFF0080, 0x000040, 0x004080, 0x004000, 0x004040, 0x800000, 0x400000, 0x400040, 0x800040,
    0x000000, 0x008080, 0x408080, 0x808080, 0x808040, 0xC0C0C0, 0x400040, 0xFFFFFF,
};

TColor FromRrggbb(std::uint32_t value) {
    return RGB(static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF),
               static_cast<int>(value & 0xFF));
}

constexpr int kMargin = 12;
constexpr int kRightColumn = 240;
constexpr int kFieldWidth = 40;
constexpr int kFieldHeight = 21;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

template <class T> T* Part(TForm* form, const std::string& name, const TRect& bounds) {
    auto* part = new T(form);
    part->SetName(name);
    part->SetParent(form);
    part->SetBoundsRect(bounds);
    return part;
}

TLabel* LabelPart(TForm* form, const std::string& name, const std::string& text, int left, int top) {
    auto* label = Part<TLabel>(form, name, Bounds(left, top, 10, 13));
    label->SetCaption(text);
    return label;
}

} // namespace

TColorDialogForm::TColorDialogForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetCaption("Color");
    CreateGrids();
    CreateFields();
    CreateButtons();
    SetClientWidth(kRightColumn + 190);
    SetClientHeight(300);
    ShowColor(FCurrent, srNone);
}

void TColorDialogForm::CreateGrids() {
    LabelPart(this, "BasicL", "&Basic colors:", kMargin, 10);
    FBasic = Part<TColorGrid>(this, "BasicGrid", Bounds(kMargin, 28, 208, 132));
    FBasic->SetGridSize(8, 6);
    for (int i = 0; i < FBasic->Count(); ++i) FBasic->SetColors(i, FromRrggbb(kBasicColors[i]));
    LabelPart(this, "CustomL", "&Custom colors:", kMargin, 168);
    FCustom = Part<TColorGrid>(this, "CustomGrid", Bounds(kMargin, 186, 208, 44));
    FCustom->SetGridSize(8, 2);
    for (TColorGrid* grid : {FBasic, FCustom}) {
        grid->OnChange = [this, grid](TObject*) { GridChosen(grid); };
        grid->OnDblClick = [this](TObject*) { SetModalResult(mrOk); };
    }
}

void TColorDialogForm::CreateFields() {
    LabelPart(this, "PreviewL", "Color", kRightColumn, 10);
    FPreview = Part<TPanel>(this, "Preview", Bounds(kRightColumn, 28, 178, 64));
    FPreview->SetBevelOuter(bvLowered);
    FPreview->SetParentBackground(false);
    static const char* const names[] = {"Red", "Green", "Blue", "Hue", "Sat", "Lum"};
    static const char* const captions[] = {"&Red:", "&Green:", "Bl&ue:", "&Hue:", "&Sat:", "&Lum:"};
    static const int maxima[] = {255, 255, 255, 359, 100, 100};
    for (int i = 0; i < 6; ++i) {
        const int left = kRightColumn + (i < 3 ? 0 : 96), top = 104 + (i % 3) * 28;
        FFields[static_cast<std::size_t>(i)] = NumberField(names[i], captions[i], left, top, maxima[i]);
    }
}

TEdit* TColorDialogForm::NumberField(const std::string& name, const std::string& caption, int left, int top,
                                     int maxValue) {
    TLabel* label = LabelPart(this, name + "L", caption, left, top + 4);
    TEdit* field = Part<TEdit>(this, name + "E", Bounds(left + 42, top, kFieldWidth, kFieldHeight));
    label->SetFocusControl(field);
    field->SetMaxLength(static_cast<int>(std::to_string(maxValue).size()));
    field->OnKeyPress = [](TObject*, char32_t& key) {
        if (key >= 32 && (key < '0' || key > '9')) key = 0;
    };
    const bool rgb = name == "Red" || name == "Green" || name == "Blue";
    field->OnChange = [this, rgb](TObject*) { rgb ? RgbEdited() : HslEdited(); };
    return field;
}

void TColorDialogForm::CreateButtons() {
    FAdd = Part<TButton>(this, "AddB", Bounds(kMargin, 238, 208, kButtonHeight));
    FAdd->SetCaption("&Add to Custom Colors");
    FAdd->OnClick = [this](TObject*) { AddToCustomColors(); };
    auto* ok = Part<TButton>(
        this, "OK", Bounds(kRightColumn + 178 - 2 * kButtonWidth - 8, 262, kButtonWidth, kButtonHeight));
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = Part<TButton>(this, "Cancel",
                                 Bounds(kRightColumn + 178 - kButtonWidth, 262, kButtonWidth, kButtonHeight));
    cancel->SetCaption("Cancel");
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    SetActiveControl(ok);
}

// A basic colour is shown chosen in its grid.
void TColorDialogForm::SetCurrentColor(TColor color) {
    color = ColorToRGB(color);
    FUpdating = true;
    FBasic->SetItemIndex(FBasic->IndexOf(color));
    FUpdating = false;
    ShowColor(color, srNone);
}

TColor TColorDialogForm::CustomColor(int index) const {
    return FCustom->Colors(index);
}

void TColorDialogForm::SetCustomColor(int index, TColor color) {
    FCustom->SetColors(index, ColorToRGB(color));
}

void TColorDialogForm::AddToCustomColors() {
    int slot = FCustom->ItemIndex();
    if (slot < 0) {
        slot = FNextCustom;
        FNextCustom = (FNextCustom + 1) % kCustomCount;
    }
    FCustom->SetColors(slot, FCurrent);
}

// The colour everywhere, except in the field group that is its source. A chosen custom swatch
// stays chosen: it is the one "Add to Custom Colors" replaces.
void TColorDialogForm::ShowColor(TColor color, TSource source) {
    FUpdating = true;
    FCurrent = color;
    FPreview->SetColor(color);
    const THsl hsl = RGBToHSL(color);
    const int values[] = {GetRValue(color), GetGValue(color), GetBValue(color),
                          hsl.Hue,          hsl.Saturation,   hsl.Lightness};
    for (int i = 0; i < 6; ++i)
        if ((i < 3 && source != srRgb) || (i >= 3 && source != srHsl))
            Field(i)->SetText(std::to_string(values[i]));
    if (FBasic->ItemIndex() >= 0 && FBasic->Colors(FBasic->ItemIndex()) != color) FBasic->SetItemIndex(-1);
    FUpdating = false;
}

int TColorDialogForm::FieldValue(int index, int maxValue) const {
    const std::string text = Field(index)->Text();
    int value = 0;
    for (char c : text)
        if (c >= '0' && c <= '9') value = std::min(value * 10 + (c - '0'), 9999);
    return std::min(value, maxValue);
}

void TColorDialogForm::RgbEdited() {
    if (FUpdating) return;
    ShowColor(RGB(FieldValue(0, 255), FieldValue(1, 255), FieldValue(2, 255)), srRgb);
}

void TColorDialogForm::HslEdited() {
    if (FUpdating) return;
    ShowColor(HSLToRGB({FieldValue(3, 359), FieldValue(4, 100), FieldValue(5, 100)}), srHsl);
}

// Choosing a swatch in one grid lets go of the other's.
void TColorDialogForm::GridChosen(TColorGrid* grid) {
    if (FUpdating || grid->ItemIndex() < 0) return;
    TColorGrid* other = grid == FBasic ? FCustom : FBasic;
    FUpdating = true;
    other->SetItemIndex(-1);
    FUpdating = false;
    ShowColor(grid->Colors(grid->ItemIndex()), srNone);
}
