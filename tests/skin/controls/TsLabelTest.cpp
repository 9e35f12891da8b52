// The skinned labels: the skin's text colour and the window-text colour after it, a section
// behind the text, disabled text blended into the background, and the link label's hover font
// and address.
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsWebLabel.h"
#include "tests/skin/controls/BoardControlsKit.h"
#include "tests/skin/paint/PaintTestKit.h"

#include "platform/window/PaintApi.h"

namespace {

constexpr TColor Purple = RGB(128, 0, 128);

class Labels : public BoardControlsTest {
protected:
    TsLabel* Title(int top = 20, bool useSkinColor = true) {
        auto* label = On<TsLabel>(Form, 20, top, 10, 10);
        label->SetUseSkinColor(useSkinColor);
        label->Font()->SetColor(Purple);
        label->Font()->SetSize(16);
        label->Font()->SetStyle({fsBold});
        label->SetCaption("Рекорды");
        Pump();
        return label;
    }
    // Whether some pixel of the label's area shows exactly that colour.
    bool Shows(const TControl& label, TColor color) {
        Pump();
        const Bitmap screen = CaptureScreen();
        for (int y = 0; y < label.Height(); ++y)
            for (int x = 0; x < label.Width(); ++x) {
                const TPoint p = At(label, x, y);
                if (screen.Pixel(p.X, p.Y) == color) return true;
            }
        return false;
    }
};

} // namespace

TEST_F(Labels, ALabelOfItsOwnColourTakesTheSkinsAndThenTheWindowTextColour) {
    TsLabel* title = Title();
    EXPECT_TRUE(Shows(*title, Purple));
    SkinOn();
    EXPECT_TRUE(Shows(*title, BoardSkin::Global));
    EXPECT_FALSE(Shows(*title, Purple));
    SkinOff();
    EXPECT_EQ(title->Font()->Color(), clWindowText) << "not the purple it had";
    EXPECT_TRUE(Shows(*title, ColorToRGB(clWindowText)));
}

TEST_F(Labels, LabelsKeepTheirColourWithoutASkinTextColourOrWhenAskedTo) {
    UseSkinWithoutGlobalFontColor();
    TsLabel* title = Title();
    SkinOn();
    EXPECT_TRUE(Shows(*title, Purple));

    Manager->SetSkinName("Board (internal)");
    Pump();
    TsLabel* own = Title(60, false);
    EXPECT_TRUE(Shows(*own, Purple));
    SkinOff();
    EXPECT_EQ(own->Font()->Color(), Purple);
}

TEST_F(Labels, ASectionBehindTheLabelGivesItsBackgroundAndFontColour) {
    SkinOn();
    TsLabel* label = Title();
    label->SetSkinSection("LABELBACK");
    EXPECT_EQ(Pixel(*label, 0, 0), BoardSkin::Back);
    EXPECT_TRUE(Shows(*label, BoardSkin::BackFont));
}

TEST_F(Labels, DisabledTextIsFourTenthsOfTheWayFromTheBackgroundToTheFontColour) {
    SkinOn();
    TsLabel* label = Title();
    label->SetEnabled(false);
    const TColor expected = PerChannel(BoardSkin::Global, FormColor, [](int f, int b) {
        return RoundEven(0.4 * (f - b) + b);
    });
    EXPECT_TRUE(Shows(*label, expected));
    EXPECT_FALSE(Shows(*label, BoardSkin::Global));
    EXPECT_FALSE(Shows(*label, ColorToRGB(clBtnHighlight))) << "not embossed";
}

TEST_F(Labels, ALinkOpensItsAddressOnThePressOnlyWhenItHasOne) {
    SkinOn();
    auto* link = On<TsWebLabel>(Form, 20, 100, 10, 10);
    link->SetCaption("tavik.example");
    Pump();
    const TPoint inside = At(*link, 2, 2);
    ClickAt(inside.X, inside.Y);
    EXPECT_TRUE(FBackend.ShellOpened().empty()) << "no address, nothing opened";

    link->SetURL("https://tavik.example/");
    MoveTo(inside.X, inside.Y);
    Press(inside.X, inside.Y, true);
    const TPoint outside = At(*link, 2, 60);
    MoveTo(outside.X, outside.Y);
    Press(outside.X, outside.Y, false);
    ASSERT_EQ(FBackend.ShellOpened().size(), 1u) << "released outside, still opened";
    EXPECT_EQ(FBackend.ShellOpened()[0], "https://tavik.example/");
}

TEST_F(Labels, ALinkHandsItsShowModeToTheShellAsTheShowCommand) {
    auto* link = On<TsWebLabel>(Form, 20, 100, 10, 10);
    link->SetCaption("tavik.example");
    link->SetURL("https://tavik.example/");
    Pump();
    EXPECT_EQ(link->ShowMode(), soDefault);
    const TPoint inside = At(*link, 2, 2);
    ClickAt(inside.X, inside.Y);
    link->SetShowMode(soShowMinNoActive);
    ClickAt(inside.X, inside.Y);
    link->SetShowMode(soHide);
    ClickAt(inside.X, inside.Y);
    EXPECT_EQ(FBackend.ShellShowCommands(), (std::vector<int>{SW_SHOWDEFAULT, SW_SHOWMINNOACTIVE, SW_HIDE}));
}

TEST_F(Labels, ALinkShowsItsHoverFontWhileTheMouseIsOverIt) {
    auto* link = On<TsWebLabel>(Form, 20, 100, 10, 10);
    link->Font()->SetColor(clBlue);
    TFont hover;
    hover.SetColor(clRed);
    hover.SetStyle({fsUnderline});
    link->SetHoverFont(&hover);
    link->SetCaption("tavik.example");
    SkinOn();
    EXPECT_TRUE(Shows(*link, ColorToRGB(clBlue))) << "a link keeps its own colour under a skin";
    const TPoint inside = At(*link, 2, 2);
    MoveTo(inside.X, inside.Y);
    EXPECT_TRUE(link->MouseOver());
    EXPECT_TRUE(Shows(*link, ColorToRGB(clRed)));
    EXPECT_FALSE(Shows(*link, ColorToRGB(clBlue)));
    const TPoint away = At(*Form, 250, 200);
    MoveTo(away.X, away.Y);
    EXPECT_TRUE(Shows(*link, ColorToRGB(clBlue)));
}
