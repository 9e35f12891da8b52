// The board controls' test skin and fixture.
#include "tests/skin/controls/BoardControlsKit.h"

#include "tests/skin/paint/PaintTestKit.h"

#include "platform/window/PaintApi.h"

#include <algorithm>
#include <string>

namespace {

std::string Key(const char* name, TColor value) {
    return std::string(name) + "=" + std::to_string(value) + "\n";
}

std::string Options(bool globalFontColor) {
    using namespace BoardSkin;
    std::string options = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n";
    // The query's answer for a skin without a text colour of its own.
    options += Key("FONTCOLOR", globalFontColor ? Global : clFuchsia);
    options += "[FORM]\n" + Key("COLOR", FormBack);
    options += "[PANEL]\n" + Key("COLOR", Panel) + "BORDERSMASK=^0000^0000^0009^0009^0003^0003^0003^0003^1^0^4^0\n";
    options += "[SEETHROUGH]\n" + Key("COLOR", Half) + "TRANSPARENCY=" + std::to_string(HalfTransparency) + "\n";
    options += "[GRAD]\nGRADIENTPERCENT=100\nGRADIENTDATA=0;16777215;100;0;0\n";
    options += "[SPEEDBUTTON]\n" + Key("COLOR", Speed) + Key("HOTCOLOR", SpeedHot) + Key("FONTCOLOR", SpeedFont) +
               Key("HOTFONTCOLOR", SpeedHotFont);
    options += "[GLASSBUTTON]\n" + Key("COLOR", Glass) + Key("HOTCOLOR", Glass) +
               "TRANSPARENCY=" + std::to_string(GlassTransparency) + "\nHOTTRANSPARENCY=" +
               std::to_string(GlassTransparency) + "\n";
    options += "[LABELBACK]\n" + Key("COLOR", Back) + Key("FONTCOLOR", BackFont);
    options += "[COMBOBOX]\nGLYPHMASK=@0009^0000^0024^0005^3^0\n";
    options += "[DIVIDER]\nBORDERSMASK=^0024^0000^0026^0006^0001^0002^0001^0002^1^0^4^0\n";
    return options;
}

// The panel's frame at (0, 0), the arrow's states right of it, the divider right of those.
Bitmap Master() {
    using namespace BoardSkin;
    Bitmap master = Solid(26, 9, Frame);
    for (int s = 0; s < 3; ++s) {
        const int x = 9 + s * ArrowSize;
        master.FillRect(Bounds(x, 0, ArrowSize, ArrowSize), Arrow[s]);
        master.SetPixel(x, 0, clFuchsia);
    }
    master.FillRect({24, 0, 25, 6}, DividerDark);
    master.FillRect({25, 0, 26, 6}, DividerLight);
    return master;
}

} // namespace

std::vector<std::uint8_t> BoardSkin::Archive(bool globalFontColor) {
    return PackTestSkin(Options(globalFontColor), Master());
}

TColor BoardSkin::SeeThrough(TColor section, TColor behind, int transparency) {
    const int a = transparency * 255 / 100;
    return PerChannel(behind, section, [a](int d, int s) { return (d * a + s * (255 - a) + 127) / 256; });
}

TInk InkOf(const Bitmap& image, TColor background, const TRect& area) {
    const TRect within = area.Intersect(image.BoundsRect());
    TInk ink;
    for (int y = within.Top; y < within.Bottom; ++y)
        for (int x = within.Left; x < within.Right; ++x) {
            if (image.Pixel(x, y) == background) continue;
            ink.Left = std::min(ink.Left, x);
            ink.Right = std::max(ink.Right, x);
            ink.Top = std::min(ink.Top, y);
            ink.Bottom = std::max(ink.Bottom, y);
        }
    return ink;
}

void BoardControlsTest::SetUp() {
    FormTest::SetUp();
    Manager = std::make_unique<TsSkinManager>(nullptr);
    Manager->SetActive(false);
    Manager->InternalSkins().Add(TsStoredSkin("Board (internal)", BoardSkin::Archive()));
    Manager->InternalSkins().Add(TsStoredSkin("Bare (internal)", BoardSkin::Archive(false)));
    Manager->SetSkinName("Board (internal)");
    Form = new TForm(Application);
    Form->SetBounds(30, 30, 300, 240);
    Form->SetColor(FormColor);
    Form->Show();
    Pump();
}

void BoardControlsTest::TearDown() {
    Manager.reset();
    FormTest::TearDown();
}

TColor BoardControlsTest::Pixel(const TControl& control, int x, int y) {
    Pump();
    const Bitmap screen = CaptureScreen();
    const TPoint p = At(control, x, y);
    return screen.Pixel(p.X, p.Y);
}

void BoardControlsTest::UseSkinWithoutGlobalFontColor() {
    Manager->SetSkinName("Bare (internal)");
    Pump();
}
