// The settings dialog: its controls and layout, "Сохранить" giving OK and "Отмена", Esc or the
// close box giving Cancel, and the live effect of every control on the running game: skin, hue,
// saturation, the board's gap, the panel's and the digits' colours, and "Сделать как было".
#include "tests/app/GameFixture.h"

#include "app/BoardGeometry.h"
#include "app/TSettingsF.h"
#include "framework/TCheckBox.h"
#include "framework/TColorDialogForm.h"
#include "framework/TEdit.h"
#include "framework/TIniFile.h"
#include "platform/window/SystemApi.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsColorSelect.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsTrackBar.h"
#include "skin/data/TsSkinManager.h"

class SettingsDialogTest : public GameTest {
protected:
    void ClickButton(TsButton* TSettingsF::*button) {
        const TPoint at = Ui([&] { return (SettingsF->*button)->ClientToScreen({10, 10}); });
        Driver().Advance(DoubleClickGap);
        Driver().Click(at.X, at.Y);
    }
    TModalResult Result() {
        return Ui([] { return SettingsF->ModalResult(); });
    }
    // The gap field focused with its whole text selected, as after tabbing into it.
    void EnterGapField() {
        Ui([] {
            SettingsF->SectwE->SetFocus();
            SettingsF->SectwE->SelectAll();
        });
    }
    void Paste(const std::string& text) {
        Ui([&] { SetClipboardText(text); });
        Driver().PressKey(VK_INSERT, {VK_SHIFT});
    }
    int Gap() {
        return Ui([] { return Form1->Sectw; });
    }
    std::string GapText() {
        return Ui([] { return SettingsF->SectwE->Text(); });
    }
    std::vector<TRect> CellBounds() {
        return Ui([] {
            std::vector<TRect> cells;
            for (int i = 0; i < 81; ++i) cells.push_back(Form1->Cell(i)->BoundsRect());
            return cells;
        });
    }
    TsSkinManager& Skins() { return *Form1->sSkinManager1; }
    std::vector<TColor> SectionColors() {
        return Ui([this] {
            std::vector<TColor> colors;
            for (const auto& section : Skins().Model().GeneralData) colors.push_back(section.Color);
            return colors;
        });
    }
    // What the manager has in force: "on NAME" with a loaded skin, else "off".
    std::string InForce() {
        return Ui([this] { return Skins().SkinInfo() != "N/A" ? "on " + Skins().SkinName() : std::string("off"); });
    }
    // Picks a colour in the framework's colour dialog that the click opened, by its red, green
    // and blue fields, and takes it with Enter.
    void ChooseColor(int red, int green, int blue) {
        ASSERT_EQ(ActiveFormClass(), "TColorDialogForm");
        Ui([&] {
            auto* dialog = dynamic_cast<TColorDialogForm*>(TWinControl::FromHandle(GetActiveWindow()));
            dialog->Field(0)->SetText(std::to_string(red));
            dialog->Field(1)->SetText(std::to_string(green));
            dialog->Field(2)->SetText(std::to_string(blue));
        });
        PressEnter();
    }
};

TEST_F(SettingsDialogTest, IsLaidOutAt336By278WithItsButtonsAgainstTheBottomRight) {
    Start();
    ClickMenu(1);
    EXPECT_EQ(ActiveFormClass(), "TSettingsF");
    EXPECT_EQ(ActiveCaption(), "Настройки программы");
    const auto [size, save, cancel, defaults, hue] = Ui([] {
        return std::make_tuple(SettingsF->BoundsRect().Size(), SettingsF->SaveB->BoundsRect(), SettingsF->CancelB->BoundsRect(),
                               SettingsF->DefaultB->BoundsRect(), SettingsF->HueOffsetTb->BoundsRect());
    });
    EXPECT_EQ(size, (TSize{336, 278}));
    EXPECT_EQ(save, Bounds(336 - 172, 278 - 63, 75, 25));
    EXPECT_EQ(cancel, Bounds(336 - 92, 278 - 63, 75, 25));
    EXPECT_EQ(defaults, Bounds(8, 215, 105, 25));
    EXPECT_EQ(hue, Bounds(0, 64, 326, 25));
    EXPECT_EQ(Ui([] { return SettingsF->SaveSizeChb->Caption(); }), "Сохранять размеры окон");
    ClickButton(&TSettingsF::SaveB);
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    EXPECT_EQ(Result(), mrOk);
}

TEST_F(SettingsDialogTest, CancelEscAndTheCloseBoxAllCancelAndWriteNothing) {
    Start();
    ClickMenu(1);
    ClickButton(&TSettingsF::CancelB);
    EXPECT_EQ(Result(), mrCancel);
    ClickMenu(1);
    PressEscape();
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    EXPECT_EQ(Result(), mrCancel);
    ClickMenu(1);
    ClickCloseBox();
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    EXPECT_EQ(Result(), mrCancel);
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(SettingsDialogTest, EscClosesTheOpenSkinListFirstAndTheDialogOnlyAfterIt) {
    Start();
    ClickMenu(1);
    ClickOn([] { return SettingsF->SkinNameCb; });
    Driver().PressKey(VK_F4);
    EXPECT_TRUE(Ui([] { return SettingsF->SkinNameCb->DroppedDown(); }));
    PressEscape();
    EXPECT_FALSE(Ui([] { return SettingsF->SkinNameCb->DroppedDown(); }));
    EXPECT_EQ(ActiveFormClass(), "TSettingsF");
    PressEscape();
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    EXPECT_EQ(Result(), mrCancel);
}

TEST_F(SettingsDialogTest, TheGapFieldTakesDigitsAndBackspaceOnly) {
    Start();
    ClickMenu(1);
    Ui([] {
        SettingsF->SectwE->SetFocus();
        SettingsF->SectwE->SelectAll();
    });
    Driver().Type("2x-5 ");
    EXPECT_EQ(Ui([] { return SettingsF->SectwE->Text(); }), "25");
    Driver().PressKey(VK_BACK);
    EXPECT_EQ(Ui([] { return SettingsF->SectwE->Text(); }), "2");
    PressEscape();
}

TEST_F(SettingsDialogTest, TypingAGapLaysTheBoardOutAtOnceAndDeletingAllDigitsChangesNothing) {
    Start();
    ClickMenu(1);
    EnterGapField();
    Driver().Type("25");
    EXPECT_EQ(Gap(), 25);
    const TRect panel = Ui([] { return Form1->Panel->ClientRect(); });
    const TCellSize size = BoardCellSize(panel.Width(), panel.Height(), 25);
    const std::vector<TRect> laidOut = CellBounds();
    EXPECT_EQ(laidOut[0], Bounds(25, 25, size.Width, size.Height));
    EXPECT_EQ(laidOut[3].Left, 25 + 3 * size.Width + 25);
    EXPECT_EQ(laidOut[80].Top, 25 + 8 * size.Height + 2 * 25);

    EnterGapField();
    Driver().PressKey(VK_DELETE);
    EXPECT_EQ(GapText(), "");
    EXPECT_EQ(Gap(), 25);
    EXPECT_EQ(CellBounds(), laidOut);
    PressEscape();
}

TEST_F(SettingsDialogTest, AGapLargerThanTheBoardCanTakeIsLimitedButTheFieldKeepsWhatWasTyped) {
    Start();
    ClickMenu(1);
    EnterGapField();
    Driver().Type("900");
    const TRect panel = Ui([] { return Form1->Panel->ClientRect(); });
    EXPECT_EQ(Gap(), MaxBoardGap(panel.Width(), panel.Height()));
    EXPECT_EQ(GapText(), "900");
    const TCellSize cell = BoardCellSize(panel.Width(), panel.Height(), Gap());
    EXPECT_GE(std::min(cell.Width, cell.Height), MinCellSide);
    PressEscape();
}

TEST_F(SettingsDialogTest, AGapTooLongForAnIntegerIsRefusedWithTheConversionErrorAndTheGapKept) {
    Start();
    ClickMenu(1);
    EnterGapField();
    Driver().Type("25");
    EnterGapField();
    Paste("12345678901234567890");
    EXPECT_NE(ActiveDialogText().find("'12345678901234567890' is not a valid integer value"), std::string::npos)
        << ActiveDialogText();
    PressEnter();
    EXPECT_EQ(ActiveFormClass(), "TSettingsF");
    EXPECT_EQ(GapText(), "12345678901234567890");
    EXPECT_EQ(Gap(), 25);
    PressEscape();
}

TEST_F(SettingsDialogTest, PastedTextIsNotFilteredButRefusedUnlessItIsANonNegativeWholeNumber) {
    Start();
    ClickMenu(1);
    const std::vector<std::pair<std::string, std::string>> refused{
        {"abc", "'abc' is not a valid integer value"}, {"-5", "Range check error"}, {"1.5", "'1.5' is not a valid integer value"}};
    for (const auto& [text, report] : refused) {
        EnterGapField();
        Paste(text);
        EXPECT_NE(ActiveDialogText().find(report), std::string::npos) << text << ": " << ActiveDialogText();
        PressEnter();
        EXPECT_EQ(GapText(), text);
        EXPECT_EQ(Gap(), 10) << text;
    }
    EnterGapField();
    Paste(" 30 ");
    EXPECT_EQ(ActiveFormClass(), "TSettingsF");
    EXPECT_EQ(Gap(), 30) << "blanks around a number are not part of it";
    PressEscape();
}

TEST_F(SettingsDialogTest, PickingASkinSwitchesSkinningOnAndTheBarsTakeTheManagersHueAndSaturation) {
    Start();
    Ui([this] {
        Skins().SetHueOffset(30);
        Skins().SetSaturation(15);
    });
    ClickMenu(1);
    EXPECT_EQ(Ui([] { return SettingsF->SkinNameCb->Text(); }), "Desert (internal)");
    ClickOn([] { return SettingsF->SkinNameCb; });
    Driver().PressKey(VK_DOWN);
    const auto [text, hue, saturation, box] = Ui([] {
        return std::make_tuple(SettingsF->SkinNameCb->Text(), SettingsF->HueOffsetTb->Position(), SettingsF->SaturationTb->Position(),
                               SettingsF->UseSkinChb->Checked());
    });
    EXPECT_EQ(InForce(), "on " + text);
    EXPECT_NE(text, "Desert (internal)");
    EXPECT_EQ(hue, 30);
    EXPECT_EQ(saturation, 15);
    EXPECT_TRUE(box);
    EXPECT_EQ(Ui([this] { return Skins().HueOffset() * 100 + Skins().Saturation(); }), 3015);
    PressEscape();
}

TEST_F(SettingsDialogTest, ATypedSkinNameInAnyLetterCaseBringsThatSkinAndIsTheOneSaved) {
    Start();
    ClickMenu(1);
    Ui([] {
        SettingsF->SkinNameCb->SetFocus();
        SettingsF->SkinNameCb->SetText("");
    });
    Driver().Type("wood (internal");
    EXPECT_EQ(InForce(), "off") << "an unfinished name changes nothing";
    Driver().Type(")");
    EXPECT_EQ(InForce(), "on Wood (internal)");
    EXPECT_EQ(Ui([] { return SettingsF->SelectedSkin(); }), "Wood (internal)");
    ClickButton(&TSettingsF::SaveB);
    EXPECT_EQ(TIniFile(SettingsPath()).ReadString("settings", "skinname", ""), "Wood (internal)");
    EXPECT_EQ(TIniFile(SettingsPath()).ReadString("settings", "useskin", ""), "1");
}

TEST_F(SettingsDialogTest, TheHueAndSaturationBarsSetTheManagerAndRecolourASkinInForce) {
    Start();
    ClickMenu(1);
    Ui([] { SettingsF->HueOffsetTb->SetPosition(90); });
    EXPECT_EQ(Ui([this] { return Skins().HueOffset(); }), 90);
    EXPECT_EQ(InForce(), "off") << "with the skin off only the manager's value changes";
    Ui([] { SettingsF->UseSkinChb->SetChecked(true); });
    EXPECT_EQ(InForce(), "on Desert (internal)");
    const std::vector<TColor> at90 = SectionColors();
    ClickOn([] { return SettingsF->HueOffsetTb; });
    Driver().PressKey(VK_HOME);
    EXPECT_EQ(Ui([this] { return Skins().HueOffset(); }), 0);
    EXPECT_NE(SectionColors(), at90) << "the skin is reloaded with the new hue";
    Ui([] { SettingsF->SaturationTb->SetPosition(60); });
    EXPECT_EQ(Ui([this] { return Skins().Saturation(); }), 60);
    PressEscape();
}

TEST_F(SettingsDialogTest, ThePanelColourBoxPaintsThePanelInTheChosenColourAndBack) {
    Start();
    ClickMenu(1);
    EXPECT_FALSE(Ui([] { return SettingsF->ColorPanelCS->Enabled(); }));
    Ui([] { SettingsF->ColorPanelCS->SetColorValue(RGB(0, 128, 0)); });
    ClickOn([] { return SettingsF->UseColorPanelChb; });
    EXPECT_EQ(Ui([] { return Form1->Panel->Color(); }), RGB(0, 128, 0));
    EXPECT_TRUE(Ui([] { return SettingsF->ColorPanelCS->Enabled() && Form1->Panel->SkinData()->CustomColor(); }));
    ClickOn([] { return SettingsF->ColorPanelCS; });
    ChooseColor(200, 100, 50);
    EXPECT_EQ(Ui([] { return Form1->Panel->Color(); }), RGB(200, 100, 50));
    EXPECT_EQ(Ui([] { return SettingsF->ColorPanelCS->ColorValue(); }), RGB(200, 100, 50));
    ClickOn([] { return SettingsF->UseColorPanelChb; });
    EXPECT_EQ(Ui([] { return Form1->Panel->Color(); }), clBtnFace);
    EXPECT_FALSE(Ui([] { return SettingsF->ColorPanelCS->Enabled() || Form1->Panel->SkinData()->CustomColor(); }));
    PressEscape();
}

TEST_F(SettingsDialogTest, AFontColourChosenInTheColourDialogColoursEveryCellAndChooserButton) {
    Start();
    ClickMenu(1);
    ClickOn([] { return SettingsF->FontCOlorCS; });
    ChooseColor(0, 0, 255);
    EXPECT_EQ(ActiveFormClass(), "TSettingsF");
    const std::vector<TColor> fonts = Ui([] {
        std::vector<TColor> colors;
        for (int i = 0; i < 81; ++i) colors.push_back(Form1->Cell(i)->Font()->Color());
        for (int d = 0; d < 9; ++d) colors.push_back(SetValueF->DigitButtons[static_cast<std::size_t>(d)]->Font()->Color());
        for (int d = 0; d < 9; ++d) colors.push_back(SetValueF->MarkButtons[static_cast<std::size_t>(d)]->Font()->Color());
        return colors;
    });
    EXPECT_EQ(fonts, std::vector<TColor>(99, RGB(0, 0, 255)));
    PressEscape();
}

TEST_F(SettingsDialogTest, CancelKeepsTheChangesInEffectWritesNothingAndTheNextStartBringsTheFileBack) {
    PutSettings("[settings]\r\nsectw=12\r\n");
    Start();
    ClickMenu(1);
    EnterGapField();
    Driver().Type("20");
    ClickButton(&TSettingsF::CancelB);
    EXPECT_EQ(Gap(), 20);
    EXPECT_EQ(TIniFile(SettingsPath()).ReadString("settings", "sectw", ""), "12");
    Quit();
    Start();
    EXPECT_EQ(Gap(), 12);
}

TEST_F(SettingsDialogTest, MakeAsItWasBringsEveryControlAndEffectBackAndSwitchesAStoredOffSkinOff) {
    PutSettings("[settings]\r\nuseskin=0\r\nsectw=15\r\nhueoffset=40\r\ncolorpanel=255\r\nusecolorpanel=1\r\n"
                "fontcolor=128\r\n");
    Start();
    ClickMenu(1);
    Ui([] {
        SettingsF->SkinNameCb->SetFocus();
        SettingsF->SkinNameCb->SetText("");
        SettingsF->SectwE->SetText("33");
        SettingsF->HueOffsetTb->SetPosition(200);
        SettingsF->ColorPanelCS->SetColorValue(RGB(1, 2, 3));
        SettingsF->ColorPanelCSChange(SettingsF);
        SettingsF->FontCOlorCS->SetColorValue(RGB(4, 5, 6));
        SettingsF->FontCOlorCSChange(SettingsF);
    });
    Driver().Type("Wood (internal)");
    EXPECT_EQ(InForce(), "on Wood (internal)");
    ClickButton(&TSettingsF::DefaultB);
    EXPECT_EQ(ActiveFormClass(), "TSettingsF") << "the dialog stays open";
    EXPECT_EQ(InForce(), "off");
    const auto [box, gapText, hue, panel, font] = Ui([] {
        return std::make_tuple(SettingsF->UseSkinChb->Checked(), SettingsF->SectwE->Text(), SettingsF->HueOffsetTb->Position(),
                               Form1->Panel->Color(), Form1->Cell(7)->Font()->Color());
    });
    EXPECT_FALSE(box);
    EXPECT_EQ(gapText, "15");
    EXPECT_EQ(Gap(), 15);
    EXPECT_EQ(hue, 40);
    EXPECT_EQ(Ui([this] { return Skins().HueOffset(); }), 40);
    EXPECT_EQ(panel, TColor{255});
    EXPECT_EQ(font, TColor{128});
    PressEscape();
}
