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
class TsSkinProvider;
class TsTrackBar;

// The skin, hue, saturation, gap and panel-colour controls keep their design values and change
// nothing; the skin list is not filled.
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

    void FormCreate(TObject* sender);
    void FormKeyPress(TObject* sender, char32_t& key);
    // The gap field takes digits and Backspace only.
    void SectwEKeyPress(TObject* sender, char32_t& key);
    void SaveBClick(TObject* sender);
    void CancelBClick(TObject* sender);
    // The digits' colour: every board cell and every chooser button takes FontCOlorCS's colour.
    void FontCOlorCSChange(TObject* sender);

private:
    void CreateSkinControls();
    void CreateBoardControls();
    void CreateStoreControls();
    void CreateButtons();
    void SetTabOrder();
};

extern TSettingsF* SettingsF;
