// The window of the framework's colour dialog: basic colours, custom colours with a button that
// adds the current colour to them, a preview, red/green/blue and hue/saturation/lightness fields,
// OK and Cancel.
#pragma once

#include "framework/ColorSpace.h"
#include "framework/TForm.h"

#include <array>

class TButton;
class TColorGrid;
class TEdit;
class TLabel;
class TPanel;

// Every way of choosing (a swatch, a field) shows the colour in all the others, except the field
// group being typed in. A double click on a swatch is OK.
class TColorDialogForm : public TForm {
public:
    static constexpr int kCustomCount = 16;

    explicit TColorDialogForm(TComponent* owner);
    std::string ClassName() const override { return "TColorDialogForm"; }

    TColor CurrentColor() const { return FCurrent; }
    // A system colour is resolved to its RGB value.
    void SetCurrentColor(TColor color);
    TColor CustomColor(int index) const;
    void SetCustomColor(int index, TColor color);
    // The current colour into the chosen custom swatch, or the next one in turn when none is chosen.
    void AddToCustomColors();

    TColorGrid* BasicGrid() const { return FBasic; }
    TColorGrid* CustomGrid() const { return FCustom; }
    TPanel* Preview() const { return FPreview; }
    // Red, green, blue, then hue, saturation, lightness.
    TEdit* Field(int index) const { return FFields[static_cast<std::size_t>(index)]; }

private:
    enum TSource { srNone, srRgb, srHsl };

    void CreateGrids();
    void CreateFields();
    void CreateButtons();
    TEdit* NumberField(const std::string& name, const std::string& caption, int left, int top, int maxValue);
    void ShowColor(TColor color, TSource source);
    void RgbEdited();
    void HslEdited();
    void GridChosen(TColorGrid* grid);
    int FieldValue(int index, int maxValue) const;

    TColor FCurrent = clBlack;
    TColorGrid* FBasic = nullptr;
    TColorGrid* FCustom = nullptr;
    TPanel* FPreview = nullptr;
    std::array<TEdit*, 6> FFields{};
    TButton* FAdd = nullptr;
    int FNextCustom = 0;
    bool FUpdating = false; // the fields are being rewritten: their change events do nothing
};
