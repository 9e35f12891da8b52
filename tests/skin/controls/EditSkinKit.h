// A skin of known colours for the skinned edit, memo, combo box and page control tests, and
// the fixture that puts it in force on a shown form.
#pragma once

#include "tests/framework/FormTestFixture.h"

#include "skin/data/TsSkinManager.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace EditSkin {
constexpr TColor Form = RGB(90, 60, 30);
constexpr TColor Field = RGB(250, 240, 230);     // EDIT COLOR
constexpr TColor HotField = RGB(255, 255, 200);  // EDIT HOTCOLOR
constexpr TColor Ink = RGB(20, 10, 5);           // EDIT FONTCOLOR
constexpr TColor HotInk = RGB(0, 0, 160);        // EDIT HOTFONTCOLOR
constexpr TColor Frame = RGB(128, 64, 32);       // EDIT's 9 x 9 borders mask, all one colour
constexpr TColor Combo = RGB(200, 220, 240);     // COMBOBOX COLOR
constexpr TColor HotCombo = RGB(180, 200, 220);  // COMBOBOX HOTCOLOR
constexpr TColor ComboButton = RGB(30, 90, 30);  // COMBOBTN's borders mask, states 0 and 1
constexpr TColor ComboButtonDown = RGB(90, 30, 90); // and state 2
constexpr TColor Arrow = RGB(255, 0, 0);         // COMBOBOX GLYPHMASK, 7 x 4 per state
constexpr TColor Page = RGB(100, 140, 180);      // PAGECONTROL COLOR
constexpr TColor Sheet = RGB(110, 150, 190);     // TABSHEET COLOR
// TOOLBUTTON's 3 state images side by side, each 9 x 9 of one colour (SPEEDBUTTON and UPDOWNBTN share them).
constexpr TColor ToolNormal = RGB(10, 200, 10);
constexpr TColor ToolHot = RGB(200, 200, 10);
constexpr TColor ToolActive = RGB(200, 10, 200);
constexpr TColor TabNormal = RGB(60, 60, 200);   // TABTOP state 0
constexpr TColor TabActive = RGB(220, 120, 20);  // TABTOP state 2
// GLOBALINFO's SICONCLOSE: 3 states of 3 x 3.
constexpr TColor CloseNormal = RGB(1, 2, 250);
constexpr TColor CloseHot = RGB(250, 2, 1);
constexpr TColor ClosePressed = RGB(2, 250, 1);
constexpr int ArrowWidth = 7;
constexpr int ArrowHeight = 4;
// The side sections of the second skin, "Sides (internal)": each side's tab in states 0 and 2
// and its page area.
constexpr TColor SideNormal[] = {TabNormal, RGB(40, 160, 160), RGB(160, 40, 160), RGB(160, 160, 40)};
constexpr TColor SideActive[] = {TabActive, RGB(240, 200, 200), RGB(200, 240, 200), RGB(200, 200, 240)};
constexpr TColor SidePage[] = {Page, RGB(120, 100, 90), RGB(90, 120, 100), RGB(100, 90, 120)};
constexpr TColor SideInk = RGB(250, 250, 250);   // TABBOTTOM, TABLEFT, TABRIGHT FONTCOLOR
constexpr TColor SideHotInk = RGB(255, 255, 0);  // and their HOTFONTCOLOR
// withSides: also the bottom, left and right tab and page sections.
std::vector<std::uint8_t> Archive(bool withSides = false);
} // namespace EditSkin

class EditSkinTest : public FormTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The screen pixel at a point of the control's window (its frame included).
    TColor WindowPixel(const TControl& control, int x, int y);
    // The screen pixel at a client point of the control.
    TColor ClientPixel(const TControl& control, int x, int y);
    template <class T> T* On(TWinControl* parent) {
        auto* control = new T(Form);
        control->SetParent(parent);
        return control;
    }

    std::unique_ptr<TsSkinManager> Manager;
    TForm* Form = nullptr;
};
