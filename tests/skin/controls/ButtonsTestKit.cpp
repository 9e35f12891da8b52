// The buttons' test skin and fixture.
#include "tests/skin/controls/ButtonsTestKit.h"

#include "tests/skin/paint/PaintTestKit.h"

#include "platform/window/PaintApi.h"

namespace {

std::string Key(const char* name, TColor value) {
    return std::string(name) + "=" + std::to_string(value) + "\n";
}

void FillRect(Bitmap& bmp, const TRect& r, TColor colour) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) bmp.SetPixel(x, y, colour);
}

void PaintButtonStates(Bitmap& master) {
    using namespace ButtonsSkin;
    for (int s = 0; s < 3; ++s) {
        const int x = s * ButtonCell;
        FillRect(master, Bounds(x, 0, ButtonCell, ButtonCell), Button[s]);
        for (TPoint p : {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{8, 8}})
            master.SetPixel(x + p.X, p.Y, clFuchsia);
    }
}

void PaintBoxes(Bitmap& master, int top, const TColor (&colours)[3]) {
    for (int s = 0; s < 3; ++s) {
        const int x = s * ButtonsSkin::BoxSize;
        FillRect(master, Bounds(x, top, ButtonsSkin::BoxSize, ButtonsSkin::BoxSize), colours[s]);
        master.SetPixel(x, top, clFuchsia);
    }
}

void PaintThumbs(Bitmap& master, int top) {
    using namespace ButtonsSkin;
    for (int s = 0; s < 3; ++s) {
        const int x = s * ThumbCell.cx;
        FillRect(master, Bounds(x, top, ThumbCell.cx, ThumbCell.cy), Thumb[s]);
        FillRect(master, Bounds(x, top, ThumbCell.cx, TipRows), ThumbTip);
        FillRect(master, Bounds(x, top + ThumbCell.cy - 2, 2, 2), clFuchsia);
    }
}

} // namespace

std::vector<std::uint8_t> ButtonsSkin::Archive(const TOptions& options) {
    std::string text = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n";
    if (options.BoxChecked) text += "BOXCHECKED=@0000^0009^0039^0022^3^0\n";
    text += "BOXUNCHECKED=@0000^0022^0039^0035^3^0\n";
    text += "[BUTTON]\n" + Key("COLOR", RGB(50, 50, 50)) +
            "BORDERSMASK=^0000^0000^0027^0009^0003^0003^0003^0003^3^0^4^0\n" +
            (options.ShowFocus ? "SHOWFOCUS=TRUE\n" : "SHOWFOCUS=FALSE\n");
    text += "[CHECKBOX]\n" + Key("COLOR", CheckBoxColour);
    text += "[TRACKBAR]\n" + Key("COLOR", TrackBarColour) + Key("HOTCOLOR", TrackBarHot) + "SLIDERMASK=@0000^0035^0033^0056^3^0\n";
    if (options.Channel) text += "SLIDERCHANNEL=^0000^0056^0009^0060^0002^0001^0002^0001^1^0^4^0\n";
    Bitmap master = Solid(40, 60, clGray);
    PaintButtonStates(master);
    PaintBoxes(master, 9, Checked);
    PaintBoxes(master, 22, Unchecked);
    PaintThumbs(master, 35);
    FillRect(master, TRect{0, 56, 9, 60}, ChannelColour);
    return PackTestSkin(text, master);
}

void SkinnedButtonsTest::SetUp() {
    FormTest::SetUp();
    Manager = std::make_unique<TsSkinManager>(nullptr);
    Manager->SetActive(false);
    UseSkin({});
    Form = new TForm(Application);
    Form->SetBounds(30, 30, 320, 220);
    Form->SetColor(ButtonsSkin::FormColour);
    Form->Show();
    Pump();
}

void SkinnedButtonsTest::UseSkin(const ButtonsSkin::TOptions& options) {
    static int made = 0;
    const std::string name = "Buttons " + std::to_string(++made) + " (internal)";
    Manager->InternalSkins().Add(TsStoredSkin(name, ButtonsSkin::Archive(options)));
    Manager->SetSkinName(name);
}

void SkinnedButtonsTest::TearDown() {
    Manager.reset();
    FormTest::TearDown();
}

TColor SkinnedButtonsTest::Pixel(const TControl& control, int x, int y) {
    Pump();
    const Bitmap screen = CaptureScreen();
    const TPoint p = At(control, x, y);
    return screen.Pixel(p.X, p.Y);
}

Bitmap SkinnedButtonsTest::Shot(const TControl& control) {
    Pump();
    const Bitmap screen = CaptureScreen();
    const TPoint origin = At(control, 0, 0);
    Bitmap out(control.Width(), control.Height());
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, screen.Pixel(origin.X + x, origin.Y + y));
    return out;
}
