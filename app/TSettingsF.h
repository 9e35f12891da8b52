// The settings dialog: skin, hue, saturation, block gap, board and digit colours, and what is
// kept at exit. "Сохранить" closes it with OK and "Отмена" (or Esc, or the close box) with Cancel.
#pragma once

#include "framework/TForm.h"

class TCheckBox;
class TsButton;
class TsCheckBox;
class TsColorSelect;
class TsComboBox;
class TsEdit;
class TsLabel;
class TsSkinManager;
class TsSkinProvider;
class TsTrackBar;

// Every control acts at once on the running program: the skin manager, the board's gap, the
// panel's colour and the digits' colour. Closing only decides whether the main window writes
// the settings file.
class TSettingsF : public TForm {
public:
    explicit TSettingsF(TComponent* owner);
    ~TSettingsF() override;
    std::string ClassName() const override { return "TSettingsF"; }

    TsSkinProvider* sSkinProvider1 = nullptr;
    TsCheckBox* UseSkinChb = nullptr;
    TsComboBox* SkinNameCb = nullptr;
    TsLabel* sLabel1 = nullptr;
    TsTrackBar* HueOffsetTb = nullptr;
    TsLabel* sLabel2 = nullptr;
    TsTrackBar* SaturationTb = nullptr;
    TsLabel* sLabel3 = nullptr;
    TsEdit* SectwE = nullptr;
    TsCheckBox* UseColorPanelChb = nullptr;
    TsColorSelect* ColorPanelCS = nullptr;
    TsColorSelect* FontCOlorCS = nullptr;
    TCheckBox* SaveSizeChb = nullptr;
    TCheckBox* SavePosChb = nullptr;
    TCheckBox* SaveDiffTrenChb = nullptr;
    TsButton* DefaultB = nullptr;
    TsButton* SaveB = nullptr;
    TsButton* CancelB = nullptr;

    // The skin manager's names (internal skins, skin folders, packed files), the one in force
    // selected; "Скин не выбран" when it is not among them.
    void FillSkinList();
    // Selects the entry spelt exactly as name. No entry: the selection is removed and the text
    // emptied, unless nothing was selected (the text then stays).
    void SelectSkin(const std::string& name);
    // The skin controls show the look in force after it was changed from outside the dialog (the
    // start option, a script); a skin the list does not hold leaves them as they are.
    void ShowLookInForce();
    // The selected entry, empty when none is selected.
    std::string SelectedSkin() const;

    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormKeyDown(TObject* sender, WORD& key, TShiftState shift);
    // Esc cancels the dialog, unless it closed the open skin list.
    void FormKeyPress(TObject* sender, char32_t& key);
    // The manager takes the hue bar's position, the list's text as skin name, and the box.
    void UseSkinChbClick(TObject* sender);
    // A text naming a listed skin (in any letter case) puts that skin in force and switches
    // skinning on; the bars take the manager's hue and saturation. Other texts change nothing.
    void SkinNameCbChange(TObject* sender);
    void HueOffsetTbChange(TObject* sender);
    void SaturationTbChange(TObject* sender);
    // The gap field takes digits and Backspace only.
    void SectwEKeyPress(TObject* sender, char32_t& key);
    // A non-empty text becomes the board's gap at once; one that is not a whole number that fits,
    // or is negative, is refused with the conversion (or range) error and the gap is kept.
    void SectwEChange(TObject* sender);
    // On: the panel takes ColorPanelCS's colour instead of the skin's; off: the button face.
    void UseColorPanelChbClick(TObject* sender);
    void ColorPanelCSChange(TObject* sender);
    // The digits' colour: every board cell and every chooser button takes FontCOlorCS's colour.
    void FontCOlorCSChange(TObject* sender);
    void SaveBClick(TObject* sender);
    void CancelBClick(TObject* sender);
    // Every control and its effect back to the settings file's values; the dialog stays open.
    void DefaultBClick(TObject* sender);

private:
    void CreateSkinControls();
    void CreateBoardControls();
    void CreateStoreControls();
    void CreateButtons();
    void SetTabOrder();
    void ConnectHandlers();
    // The listed entry a text names, spelt exactly or in any letter case; -1 when none.
    int ListedSkin(const std::string& text, bool anyCase) const;
    // Selects a listed skin without moving the caret of the text being typed.
    void FollowTypedSkin(int index);
    static TsSkinManager& Skins();

    bool FEscapeClosesList = false; // the Esc being pressed went down while the skin list was open
};

extern TSettingsF* SettingsF;
