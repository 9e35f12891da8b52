// The colour select button of the settings dialog: a speed button whose glyph is a swatch of its
// colour and whose click lets the user pick another colour.
#pragma once

#include "skin/controls/TsSpeedButton.h"

#include <functional>

class TsColorSelect : public TsSpeedButton {
public:
    // Asks the user for a colour starting from the given one; false when cancelled. The default
    // runs the framework's colour dialog.
    using TColorPicker = std::function<bool(TColor& color)>;

    explicit TsColorSelect(TComponent* owner);
    std::string ClassName() const override { return "TsColorSelect"; }

    // Setting it redraws the swatch; it raises no OnChange.
    TColor ColorValue() const { return FColorValue; }
    void SetColorValue(TColor color);
    int ImgWidth() const { return FImgWidth; }
    void SetImgWidth(int width);
    int ImgHeight() const { return FImgHeight; }
    void SetImgHeight(int height);

    // A colour picked by the user: ColorValue changes, then OnChange.
    void Click() override;

    TNotifyEvent OnChange;
    static TColorPicker ColorPicker;

private:
    void UpdateGlyph();

    TColor FColorValue = clBlack;
    int FImgWidth = 15;
    int FImgHeight = 15;
};
