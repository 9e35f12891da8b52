// The colour dialog: the RGB/HSL conversions behind its fields, and Execute driven like a user
// (swatches, typed values, custom colours, OK, Cancel, Esc and a double click).
#include "DialogTestProgram.h"

#include "framework/ColorSpace.h"
#include "framework/TColorDialog.h"
#include "framework/TColorDialogForm.h"
#include "framework/TColorGrid.h"
#include "framework/TEdit.h"
#include "framework/TPanel.h"
#include "framework/TStringList.h"

#include <cstdlib>

TEST(ColorSpaceTest, KnownColoursConvertBothWays) {
    struct TCase {
        TColor Rgb;
        THsl Hsl;
    };
    const TCase cases[] = {
        {RGB(255, 0, 0), {0, 100, 50}},     {RGB(0, 255, 0), {120, 100, 50}},
        {RGB(0, 0, 128), {240, 100, 25}},   {RGB(255, 255, 255), {0, 0, 100}},
        {RGB(0, 0, 0), {0, 0, 0}},          {RGB(128, 128, 128), {0, 0, 50}},
        {RGB(255, 128, 128), {0, 100, 75}}, {RGB(255, 0, 128), {330, 100, 50}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(RGBToHSL(c.Rgb), c.Hsl) << std::hex << c.Rgb;
        const TColor back = HSLToRGB(c.Hsl);
        EXPECT_LE(std::abs(GetRValue(back) - GetRValue(c.Rgb)), 1) << std::hex << c.Rgb;
        EXPECT_LE(std::abs(GetGValue(back) - GetGValue(c.Rgb)), 1);
        EXPECT_LE(std::abs(GetBValue(back) - GetBValue(c.Rgb)), 1);
    }
}

TEST(ColorSpaceTest, EveryColourSurvivesARoundTripWithinTheFieldsPrecision) {
    // Whole per cents hold a channel to within 1.3 steps of 255.
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                const TColor back = HSLToRGB(RGBToHSL(RGB(r, g, b)));
                ASSERT_LE(std::abs(GetRValue(back) - r), 3) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(GetGValue(back) - g), 3) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(GetBValue(back) - b), 3) << r << "," << g << "," << b;
            }
}

TEST(ColorSpaceTest, OutOfRangeValuesAreBroughtIntoRange) {
    EXPECT_EQ(HSLToRGB({360, 100, 50}), HSLToRGB({0, 100, 50}));
    EXPECT_EQ(HSLToRGB({-120, 100, 50}), HSLToRGB({240, 100, 50}));
    EXPECT_EQ(HSLToRGB({0, 150, 50}), RGB(255, 0, 0));
    EXPECT_EQ(HSLToRGB({0, 0, 120}), RGB(255, 255, 255));
    EXPECT_EQ(RGBToHSL(clWindow), RGBToHSL(ColorToRGB(clWindow))) << "a system colour is resolved";
}

namespace {

class ColorDialogTest : public DialogTest {
protected:
    // Opens a dialog on start; its Execute result and Color land in Results when it closes.
    void Open(TColor start) {
        Later([this, start] {
            if (!Dialog) Dialog = new TColorDialog(Main);
            Dialog->SetColor(start);
            const bool ok = Dialog->Execute();
            Results.emplace_back(ok, Dialog->Color());
        });
        ASSERT_TRUE(DialogOpen());
    }
    std::vector<std::pair<bool, TColor>> Answers() {
        return OnUi<std::vector<std::pair<bool, TColor>>>([this] { return Results; });
    }
    // The screen centre of a swatch of a grid of the open dialog.
    TPoint Swatch(const std::string& grid, int index) {
        return OnUi<TPoint>([&] {
            auto* g = dynamic_cast<TColorGrid*>(OpenDialog()->FindComponent(grid));
            const TRect r = g->ItemRect(index);
            return g->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        });
    }
    std::string FieldText(const std::string& name) {
        return OnUi<std::string>(
            [&] { return dynamic_cast<TEdit*>(OpenDialog()->FindComponent(name))->Text(); });
    }
    TColor PreviewColor() {
        return OnUi<TColor>([] { return dynamic_cast<TColorDialogForm*>(OpenDialog())->Preview()->Color(); });
    }
    // Selects a field's text by clicking into it and pressing Home, Shift+End, then types.
    void TypeInto(const std::string& name, const std::string& text) {
        ClickOn(name);
        Driver->PressKey(VK_HOME);
        Driver->PressKey(VK_END, {VK_SHIFT});
        Driver->Type(text);
    }

    TColorDialog* Dialog = nullptr;
    std::vector<std::pair<bool, TColor>> Results;
};

} // namespace

TEST_F(ColorDialogTest, OkReturnsTheChosenSwatchAndCancelLeavesTheColour) {
    Open(clBlack);
    EXPECT_EQ(OnUi<std::string>([] { return OpenDialog()->ClassName(); }), "TColorDialogForm");
    EXPECT_EQ(FieldText("RedE"), "0");
    EXPECT_EQ(FieldText("LumE"), "0");
    Driver->Advance(1000);
    const TPoint red = Swatch("BasicGrid", 28); // FF0000
    Driver->Click(red.X, red.Y);
    EXPECT_EQ(PreviewColor(), RGB(255, 0, 0));
    EXPECT_EQ(FieldText("RedE"), "255");
    EXPECT_EQ(FieldText("HueE"), "0");
    EXPECT_EQ(FieldText("SatE"), "100");
    ClickOn("OK");
    EXPECT_FALSE(DialogOpen());

    Open(RGB(1, 2, 3));
    Driver->Advance(1000);
    Driver->Click(red.X, red.Y);
    ClickOn("Cancel");
    Open(RGB(1, 2, 3));
    Driver->PressKey(VK_ESCAPE);
    Open(RGB(1, 2, 3));
    ClickCloseBox();
    EXPECT_EQ(
        Answers(),
        (std::vector<std::pair<bool, TColor>>{
            {true, RGB(255, 0, 0)}, {false, RGB(1, 2, 3)}, {false, RGB(1, 2, 3)}, {false, RGB(1, 2, 3)}}));
}

TEST_F(ColorDialogTest, TypedValuesMakeTheColourAndShowItInTheOtherFields) {
    Open(clWhite);
    TypeInto("RedE", "0");
    TypeInto("BlueE", "0");
    EXPECT_EQ(PreviewColor(), RGB(0, 255, 0));
    EXPECT_EQ(FieldText("HueE"), "120");
    EXPECT_EQ(FieldText("LumE"), "50");
    EXPECT_EQ(
        OnUi<int>([] { return dynamic_cast<TColorDialogForm*>(OpenDialog())->BasicGrid()->ItemIndex(); }), -1)
        << "white is no longer the chosen swatch";
    TypeInto("LumE", "25");
    EXPECT_EQ(PreviewColor(), RGB(0, 128, 0));
    EXPECT_EQ(FieldText("GreenE"), "128");
    EXPECT_EQ(FieldText("LumE"), "25") << "the field being typed in is left as typed";
    TypeInto("SatE", "x5"); // letters are refused
    EXPECT_EQ(FieldText("SatE"), "5");
    Driver->PressKey(VK_RETURN);
    ASSERT_EQ(Answers().size(), 1u);
    EXPECT_EQ(Answers()[0].second, HSLToRGB({120, 5, 25}));
}

TEST_F(ColorDialogTest, CustomColoursAreAddedInTurnAndKeptEvenWhenCancelled) {
    Later([this] {
        Dialog = new TColorDialog(Main);
        TStringList colors;
        colors.Add("ColorB=00FF00");
        colors.Add("ColorC=bad");
        Dialog->SetCustomColors(&colors);
        Dialog->SetColor(RGB(0x12, 0x34, 0x56));
        Results.emplace_back(Dialog->Execute(), Dialog->Color());
    });
    EXPECT_EQ(OnUi<TColor>([] { return dynamic_cast<TColorDialogForm*>(OpenDialog())->CustomColor(1); }),
              RGB(0, 255, 0));
    ClickOn("AddB"); // nothing chosen: into the first slot
    const TPoint second = Swatch("CustomGrid", 1);
    Driver->Click(second.X, second.Y); // the green one, now chosen
    TypeInto("RedE", "255");
    ClickOn("AddB"); // replaces the chosen one
    Driver->PressKey(VK_ESCAPE);
    Driver->RunOnUi([this] {
        TStrings* colors = Dialog->CustomColors();
        ASSERT_EQ(colors->Count(), 16);
        EXPECT_EQ(colors->Values("ColorA"), "123456");
        EXPECT_EQ(colors->Values("ColorB"), "FFFF00");
        EXPECT_EQ(colors->Values("ColorC"), "FFFFFF") << "a bad value is an empty slot";
        EXPECT_EQ(colors->Values("ColorP"), "FFFFFF");
    });
    EXPECT_EQ(Answers(), (std::vector<std::pair<bool, TColor>>{{false, RGB(0x12, 0x34, 0x56)}}));
}

TEST_F(ColorDialogTest, ADoubleClickedSwatchIsTakenAndArrowsMoveAlongTheGrid) {
    Open(RGB(0x80, 0x80, 0xFF)); // the first basic colour
    EXPECT_EQ(
        OnUi<int>([] { return dynamic_cast<TColorDialogForm*>(OpenDialog())->BasicGrid()->ItemIndex(); }), 0);
    ClickOn("BasicGrid");
    Driver->RunOnUi([] { dynamic_cast<TColorDialogForm*>(OpenDialog())->BasicGrid()->SetItemIndex(0); });
    Driver->PressKey(VK_RIGHT);
    Driver->PressKey(VK_DOWN);
    EXPECT_EQ(
        OnUi<int>([] { return dynamic_cast<TColorDialogForm*>(OpenDialog())->BasicGrid()->ItemIndex(); }), 9);
    EXPECT_EQ(PreviewColor(), RGB(0x00, 0xFF, 0xFF));
    Driver->PressKey(VK_UP);
    Driver->PressKey(VK_UP); // stops at the top row
    EXPECT_EQ(
        OnUi<int>([] { return dynamic_cast<TColorDialogForm*>(OpenDialog())->BasicGrid()->ItemIndex(); }), 1);
    const TPoint black = Swatch("BasicGrid", 40);
    Driver->Advance(1000);
    Driver->Click(black.X, black.Y);
    Driver->Click(black.X, black.Y);
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(Answers(), (std::vector<std::pair<bool, TColor>>{{true, RGB(0, 0, 0)}}));
}
