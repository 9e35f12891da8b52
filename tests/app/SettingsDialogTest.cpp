// The settings dialog as far as this game shows it: its controls and layout, "Сохранить" giving
// OK and "Отмена", Esc or the close box giving Cancel, and the gap field taking digits only.
#include "tests/app/GameFixture.h"

#include "app/TSettingsF.h"
#include "framework/TCheckBox.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsTrackBar.h"

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
