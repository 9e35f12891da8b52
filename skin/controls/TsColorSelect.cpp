// The colour swatch button.
#include "skin/controls/TsColorSelect.h"

#include "framework/TColorDialog.h"

TsColorSelect::TColorPicker TsColorSelect::ColorPicker = [](TColor& color) {
    TColorDialog dialog(nullptr);
    dialog.SetColor(color);
    if (!dialog.Execute()) return false;
    color = dialog.Color();
    return true;
};

TsColorSelect::TsColorSelect(TComponent* owner) : TsSpeedButton(owner) {
    UpdateGlyph();
}

void TsColorSelect::SetColorValue(TColor color) {
    if (FColorValue == color) return;
    FColorValue = color;
    UpdateGlyph();
}

void TsColorSelect::SetImgWidth(int width) {
    if (FImgWidth == width) return;
    FImgWidth = width;
    UpdateGlyph();
}

void TsColorSelect::SetImgHeight(int height) {
    if (FImgHeight == height) return;
    FImgHeight = height;
    UpdateGlyph();
}

// A swatch of the colour with magenta corners: the button draws the bottom-left pixel's colour
// as see-through, so the swatch gets cut corners.
void TsColorSelect::UpdateGlyph() {
    if (FImgWidth <= 0 || FImgHeight <= 0) return;
    TBitmap swatch(FImgWidth, FImgHeight);
    TCanvas* canvas = swatch.Canvas();
    canvas->Brush()->SetColor(FColorValue);
    canvas->FillRect({0, 0, FImgWidth, FImgHeight});
    for (int x : {0, FImgWidth - 1})
        for (int y : {0, FImgHeight - 1}) canvas->SetPixels(x, y, clFuchsia);
    SetGlyph(&swatch);
}

void TsColorSelect::Click() {
    TColor color = FColorValue;
    if (ColorPicker && ColorPicker(color)) {
        SetColorValue(color);
        if (OnChange) OnChange(this);
    }
    TsSpeedButton::Click();
}
