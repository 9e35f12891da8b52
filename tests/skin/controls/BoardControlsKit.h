// The board controls' tests: a small skin of known colours and a shown form whose default skin
// manager holds it.
#pragma once

#include "tests/framework/FormTestFixture.h"

#include "skin/data/TsSkinManager.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace BoardSkin {
constexpr TColor Global = RGB(11, 122, 33); // GLOBALINFO's FONTCOLOR
constexpr TColor Panel = RGB(200, 180, 160);
constexpr TColor Frame = RGB(60, 60, 60); // PANEL's 9 x 9 borders mask, a 3-pixel frame
constexpr int FrameWidth = 3;
constexpr TColor Half = RGB(0, 100, 200); // SEETHROUGH: a panel section with TRANSPARENCY=50
constexpr int HalfTransparency = 50;
constexpr TColor Speed = RGB(40, 50, 60);
constexpr TColor SpeedHot = RGB(90, 100, 110);
constexpr TColor SpeedFont = RGB(250, 250, 250);
constexpr TColor SpeedHotFont = RGB(255, 255, 0);
constexpr TColor Glass = RGB(10, 200, 30); // GLASSBUTTON: a cell section with TRANSPARENCY=50
constexpr int GlassTransparency = 50;
constexpr TColor FormBack = RGB(70, 140, 70); // FORM
constexpr TColor Back = RGB(30, 30, 90);      // LABELBACK: a section painted behind a label
constexpr TColor BackFont = RGB(240, 200, 10);
// COMBOBOX's GLYPHMASK (the drop-down arrow): three 5 x 5 states, each one colour with a magenta
// top-left pixel.
constexpr TColor Arrow[3] = {RGB(200, 10, 10), RGB(210, 20, 20), RGB(220, 30, 30)};
constexpr int ArrowSize = 5;
// DIVIDER's borders mask: 2 x 6 with 1-pixel sides, its left column DividerDark, its right
// column DividerLight.
constexpr TColor DividerDark = RGB(5, 5, 70);
constexpr TColor DividerLight = RGB(230, 230, 250);
// Sections: FORM, PANEL, SEETHROUGH, GRAD (GRADIENTPERCENT=100, black at the top to white at the
// bottom), SPEEDBUTTON, GLASSBUTTON, LABELBACK, COMBOBOX, DIVIDER; GLOBALINFO's FONTCOLOR is Global, or when not
// asked for, $FF00FF: no skin text colour.
std::vector<std::uint8_t> Archive(bool globalFontColor = true);
// The background a section with transparency t percent shows over the colour behind it.
TColor SeeThrough(TColor section, TColor behind, int transparency);
} // namespace BoardSkin

// The bounds of the pixels of area that differ from the background: where text was drawn.
struct TInk {
    int Left = 1 << 20, Right = -1, Top = 1 << 20, Bottom = -1; // inclusive
    bool Any() const { return Right >= 0; }
};
TInk InkOf(const Bitmap& image, TColor background, const TRect& area);

class BoardControlsTest : public FormTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void SkinOn() { Manager->SetActive(true); Pump(); }
    void SkinOff() { Manager->SetActive(false); Pump(); }
    // A client pixel of the control as the screen shows it.
    TColor Pixel(const TControl& control, int x, int y);
    // A control owned by the form, placed on parent.
    template <class T> T* On(TWinControl* parent, int left, int top, int width, int height) {
        auto* control = new T(Form);
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        return control;
    }
    // The skin manager holds the skin without a skin text colour instead.
    void UseSkinWithoutGlobalFontColor();

    std::unique_ptr<TsSkinManager> Manager;
    TForm* Form = nullptr; // shown, owned by the application
    static constexpr TColor FormColor = RGB(90, 60, 30);
};
