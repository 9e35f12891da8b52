// Applying ShiftHue and ShiftSaturation to every colour and bitmap of the model.
#include "skin/data/TacSkinRecolor.h"

#include "skin/data/HueSaturation.h"
#include "skin/data/TsSkinModel.h"

namespace {

template <class Shift>
void ShiftSectionColors(TsGeneralData& data, Shift shift) {
    data.Color = shift(data.Color);
    data.HotColor = shift(data.HotColor);
    for (TColor& c : data.FontColor) if (c != -1) c = shift(c);
    for (TColor& c : data.HotFontColor) if (c != -1) c = shift(c);
    for (TsGradStep& step : data.Gradient) step.Color1 = shift(step.Color1), step.Color2 = shift(step.Color2);
    for (TsGradStep& step : data.HotGradient) step.Color1 = shift(step.Color1), step.Color2 = shift(step.Color2);
}

template <class ShiftBitmap, class Shift>
void ShiftModel(TsSkinModel& model, ShiftBitmap shiftBitmap, Shift shift) {
    shiftBitmap(model.MasterBitmap);
    for (TsMaskData& mask : model.Masks) {
        if (mask.Bmp) shiftBitmap(*mask.Bmp);
    }
    for (TsGeneralData& data : model.GeneralData) ShiftSectionColors(data, shift);
    model.SkinData.Shadow1Color = shift(model.SkinData.Shadow1Color);
    model.SkinData.BorderColor = shift(model.SkinData.BorderColor);
}

} // namespace

void RecolorSkin(TsSkinModel& model, int hueOffset, int saturation) {
    if (hueOffset != 0) {
        ShiftModel(model, [hueOffset](Bitmap& b) { ShiftBitmapHue(b, hueOffset); },
                   [hueOffset](TColor c) { return ShiftHue(c, hueOffset); });
    }
    int amount = SaturationAmount(saturation);
    if (amount != 0) {
        ShiftModel(model, [amount](Bitmap& b) { ShiftBitmapSaturation(b, amount); },
                   [amount](TColor c) { return ShiftSaturation(c, amount); });
    }
}
