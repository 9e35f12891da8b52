// The edit tests' skin and fixture.
#include "tests/skin/controls/EditSkinKit.h"

#include "tests/skin/paint/PaintTestKit.h"

#include <string>

namespace {

std::string Key(const char* name, TColor value) {
    return std::string(name) + "=" + std::to_string(value) + "\n";
}

// Master: the edit frame at (0, 0), the combo button at (0, 9), the arrow's two states at
// (0, 18), the tool button's three states at (0, 22) and the tab's three states at (0, 31); the
// bottom, left and right tabs' states at (0, 40), (0, 49) and (0, 58).
Bitmap Master() {
    using namespace EditSkin;
    Bitmap master = Solid(40, 67, Frame);
    auto fill = [&master](int x, int y, int w, int h, TColor c) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) master.SetPixel(i, j, c);
    };
    fill(0, 9, 18, 9, ComboButton);
    fill(18, 9, 9, 9, ComboButtonDown);
    fill(0, 18, 2 * ArrowWidth, ArrowHeight, Arrow);
    fill(0, 22, 9, 9, ToolNormal);
    fill(9, 22, 9, 9, ToolHot);
    fill(18, 22, 9, 9, ToolActive);
    fill(0, 31, 9, 9, TabNormal);
    fill(9, 31, 9, 9, TabNormal);
    fill(18, 31, 9, 9, TabActive);
    fill(27, 0, 3, 3, CloseNormal);
    fill(30, 0, 3, 3, CloseHot);
    fill(33, 0, 3, 3, ClosePressed);
    for (int side = 1; side < 4; ++side) {
        fill(0, 31 + 9 * side, 18, 9, SideNormal[side]);
        fill(18, 31 + 9 * side, 9, 9, SideActive[side]);
    }
    return master;
}

std::string SideSections() {
    using namespace EditSkin;
    static const char* const tabs[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    static const char* const pages[] = {"PAGECONTROL", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT"};
    std::string options;
    for (int side = 1; side < 4; ++side) {
        const std::string top = std::to_string(31 + 9 * side), bottom = std::to_string(40 + 9 * side);
        options += std::string("[") + tabs[side] + "]\n" + Key("COLOR", SideNormal[side]) + Key("FONTCOLOR", SideInk) +
                   Key("HOTFONTCOLOR", SideHotInk) + "BORDERSMASK=^0000^00" + top + "^0027^00" + bottom +
                   "^0003^0003^0003^0003^3^0^0^0\n";
        options += std::string("[") + pages[side] + "]\n" + Key("COLOR", SidePage[side]);
    }
    return options;
}

} // namespace

std::vector<std::uint8_t> EditSkin::Archive(bool withSides) {
    const std::string options =
        "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nSICONCLOSE=@0027@0000@0036@0003@3@0\n"
        "[EDIT]\n" + Key("COLOR", Field) + Key("HOTCOLOR", HotField) + Key("FONTCOLOR", Ink) +
        Key("HOTFONTCOLOR", HotInk) + "BORDERSMASK=^0000^0000^0009^0009^0003^0003^0003^0003^1^0^0^0\n"
        "[COMBOBOX]\n" + Key("COLOR", Combo) + Key("HOTCOLOR", HotCombo) + Key("FONTCOLOR", Ink) +
        Key("HOTFONTCOLOR", Ink) + "GLYPHMASK=@0000@0018@0014@0022@2@0\n"
        "[COMBOBTN]\n" + Key("COLOR", ComboButton) +
        "BORDERSMASK=^0000^0009^0027^0018^0003^0003^0003^0003^3^0^0^0\n"
        "[PAGECONTROL]\n" + Key("COLOR", Page) +
        "[TABSHEET]\n" + Key("COLOR", Sheet) +
        "[TOOLBUTTON]\n" + Key("COLOR", ToolNormal) + Key("FONTCOLOR", Ink) + Key("HOTFONTCOLOR", Ink) +
        "BORDERSMASK=^0000^0022^0027^0031^0003^0003^0003^0003^3^0^0^0\n"
        "[SPEEDBUTTON]\n" + Key("COLOR", ToolNormal) + Key("FONTCOLOR", Ink) + Key("HOTFONTCOLOR", Ink) +
        "BORDERSMASK=^0000^0022^0027^0031^0003^0003^0003^0003^3^0^0^0\n"
        "[UPDOWNBTN]\n" + Key("COLOR", ToolNormal) + Key("FONTCOLOR", Ink) + Key("HOTFONTCOLOR", HotInk) +
        "BORDERSMASK=^0000^0022^0027^0031^0003^0003^0003^0003^3^0^0^0\n"
        "[TABTOP]\n" + Key("COLOR", TabNormal) + Key("FONTCOLOR", Ink) + Key("HOTFONTCOLOR", Ink) +
        "BORDERSMASK=^0000^0031^0027^0040^0003^0003^0003^0003^3^0^0^0\n" + (withSides ? SideSections() : "");
    return PackTestSkin(options, Master());
}

void EditSkinTest::SetUp() {
    FormTest::SetUp();
    Manager = std::make_unique<TsSkinManager>(nullptr);
    Manager->SetActive(false);
    Manager->InternalSkins().Add(TsStoredSkin("Edits (internal)", EditSkin::Archive()));
    Manager->InternalSkins().Add(TsStoredSkin("Sides (internal)", EditSkin::Archive(true)));
    Manager->SetSkinName("Edits (internal)");
    Form = new TForm(Application);
    Form->SetBounds(30, 30, 320, 240);
    Form->SetColor(EditSkin::Form);
    Form->Show();
    Pump();
}

void EditSkinTest::TearDown() {
    Manager.reset();
    FormTest::TearDown();
}

TColor EditSkinTest::WindowPixel(const TControl& control, int x, int y) {
    Pump();
    TRect window;
    GetWindowRect(static_cast<const TWinControl&>(control).Handle(), &window);
    return CaptureScreen().Pixel(window.Left + x, window.Top + y);
}

TColor EditSkinTest::ClientPixel(const TControl& control, int x, int y) {
    Pump();
    const TPoint p = At(control, x, y);
    return CaptureScreen().Pixel(p.X, p.Y);
}
