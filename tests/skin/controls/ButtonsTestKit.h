// A skin of known colours for the push button, check box and track bar tests, and a fixture whose
// skin manager holds it with a shown form.
#pragma once

#include "tests/framework/FormTestFixture.h"

#include "skin/data/TsSkinManager.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ButtonsSkin {
constexpr TColor FormColour = RGB(90, 60, 30);
// BUTTON: a 9 x 9 borders mask with 3-pixel frames and its centre drawn, one colour per state;
// in every state the pixels (0, 0), (1, 0), (0, 1) and (8, 8) are magenta.
constexpr TColor Button[3] = {RGB(10, 100, 10), RGB(20, 120, 20), RGB(30, 140, 30)};
constexpr int ButtonCell = 9;
// GLOBALINFO's BOXCHECKED and BOXUNCHECKED: 13 x 13 glyphs, three states each, magenta key in
// their top-left pixel.
constexpr TColor Checked[3] = {RGB(200, 0, 0), RGB(210, 0, 0), RGB(220, 0, 0)};
constexpr TColor Unchecked[3] = {RGB(0, 0, 200), RGB(0, 0, 210), RGB(0, 0, 220)};
constexpr int BoxSize = 13;
constexpr TColor CheckBoxColour = RGB(70, 70, 70);
// TRACKBAR: a SLIDERMASK glyph of three 11 x 21 states whose top three rows are ThumbTip and
// whose bottom-left 2 x 2 pixels are magenta; a
// 9 x 4 SLIDERCHANNEL with 2-pixel sides and 1-pixel top and bottom; no TICKHORZ.
constexpr TColor Thumb[3] = {RGB(0, 150, 150), RGB(0, 170, 170), RGB(0, 190, 190)};
constexpr TColor ThumbTip = RGB(250, 250, 0);
constexpr TSize ThumbCell{11, 21};
constexpr int TipRows = 3;
constexpr TColor ChannelColour = RGB(60, 0, 60);
constexpr int ChannelHeight = 4;
constexpr TColor TrackBarColour = RGB(160, 170, 180);
constexpr TColor TrackBarHot = RGB(170, 180, 190); // its HOTCOLOR

struct TOptions {
    bool ShowFocus = true;
    bool Channel = true;
    bool BoxChecked = true;
};
std::vector<std::uint8_t> Archive(const TOptions& options);
} // namespace ButtonsSkin

class SkinnedButtonsTest : public FormTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Installs a variant of the skin in place of the usual one (before SkinOn).
    void UseSkin(const ButtonsSkin::TOptions& options);

    void SkinOn() { Manager->SetActive(true); Pump(); }
    void SkinOff() { Manager->SetActive(false); Pump(); }
    // A client pixel of the control as the screen shows it.
    TColor Pixel(const TControl& control, int x, int y);
    // The client area of the control as the screen shows it.
    Bitmap Shot(const TControl& control);
    template <class T> T* On(TWinControl* parent) {
        auto* control = new T(Form);
        control->SetParent(parent);
        return control;
    }

    std::unique_ptr<TsSkinManager> Manager;
    TForm* Form = nullptr;
};
