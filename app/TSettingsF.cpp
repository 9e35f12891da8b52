// The settings dialog's controls, layout, live effects and closing.
#include "app/TSettingsF.h"

#include "app/DesignHelpers.h"
#include "app/TForm1.h"
#include "app/TSetValueF.h"
#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/SysUtils.h"
#include "framework/TCheckBox.h"
#include "framework/TScreen.h"
#include "platform/controls/ComboBoxCodes.h"
#include "platform/window/MessageApi.h"
#include "platform/window/VirtualKeys.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsColorSelect.h"
#include "skin/controls/TsComboBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsTrackBar.h"
#include "skin/data/TsSkinManager.h"
#include "skin/windows/TsSkinProvider.h"

#include <cmath>

TSettingsF* SettingsF = nullptr;

namespace {

constexpr const char* NoSkinText = "Скин не выбран";

TsTrackBar* TrackBar(TForm* form, const std::string& name, int top, int max, int step, const std::string& hint) {
    auto* bar = PlacedControl<TsTrackBar>(form, name, 0, top);
    bar->SkinData()->SetSkinSection("TRACKBAR");
    bar->SetMax(max);
    bar->SetPageSize(step);
    bar->SetFrequency(step);
    bar->SetThumbLength(15);
    bar->SetHeight(25);
    bar->SetAnchors({akLeft, akTop, akRight});
    ShowHintOf(bar, hint);
    return bar;
}

} // namespace

TSettingsF::TSettingsF(TComponent* owner) : TForm(owner) {
    SetName("SettingsF");
    SetCaption("Настройки программы");
    SetKeyPreview(true);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    // The designed size, so that the bottom-anchored buttons stay where they are placed.
    SetWidth(336);
    SetHeight(278);
    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->SetName("sSkinProvider1");
    sSkinProvider1->SkinData()->SetSkinSection("FORM");
    CreateSkinControls();
    CreateBoardControls();
    CreateStoreControls();
    CreateButtons();
    SetTabOrder();
    ConnectHandlers();
}

TSettingsF::~TSettingsF() {
    DoDestroy();
    if (SettingsF == this) SettingsF = nullptr;
}

void TSettingsF::CreateSkinControls() {
    UseSkinChb = PlacedControl<TsCheckBox>(this, "UseSkinChb", 8, 7);
    UseSkinChb->SkinData()->SetSkinSection("CHECKBOX");
    UseSkinChb->SetCaption("Использовать скин:");
    UseSkinChb->SetWidth(123);
    UseSkinChb->SetHeight(17);
    ShowHintOf(UseSkinChb, "Использовать или нет скин");

    SkinNameCb = PlacedControl<TsComboBox>(this, "SkinNameCb", 8, 26);
    SkinNameCb->SkinData()->SetSkinSection("COMBOBOX");
    SkinNameCb->SetWidth(169);
    SkinNameCb->SetHeight(21);
    ShowHintOf(SkinNameCb, "Список скинов");

    sLabel1 = PlacedControl<TsLabel>(this, "sLabel1", 8, 50);
    sLabel1->SetCaption("Цветовой сдвиг:");
    HueOffsetTb = TrackBar(this, "HueOffsetTb", 64, 360, 10, "Изменение оттенка скина");
    sLabel2 = PlacedControl<TsLabel>(this, "sLabel2", 8, 90);
    sLabel2->SetCaption("Яркость:");
    SaturationTb = TrackBar(this, "SaturationTb", 104, 100, 5, "Яркость скина");
}

void TSettingsF::CreateBoardControls() {
    sLabel3 = PlacedControl<TsLabel>(this, "sLabel3", 8, 140);
    sLabel3->SetCaption("Ширина между блоками:");

    SectwE = PlacedControl<TsEdit>(this, "SectwE", 136, 136);
    SectwE->SkinData()->SetSkinSection("EDIT");
    SectwE->SetWidth(41);
    SectwE->SetHeight(21);
    SectwE->SetText("10");
    ShowHintOf(SectwE, "Ширина между блоками 3х3");

    UseColorPanelChb = PlacedControl<TsCheckBox>(this, "UseColorPanelChb", 192, 138);
    UseColorPanelChb->SkinData()->SetSkinSection("CHECKBOX");
    UseColorPanelChb->SetCaption(" ");
    UseColorPanelChb->SetWidth(23);
    UseColorPanelChb->SetHeight(17);
    ShowHintOf(UseColorPanelChb, "Использовать выбранный цвет панели");

    ColorPanelCS = PlacedControl<TsColorSelect>(this, "ColorPanelCS", 224, 136);
    ColorPanelCS->SkinData()->SetSkinSection("SPEEDBUTTON");
    ColorPanelCS->SetBounds(224, 136, 23, 22);
    ColorPanelCS->SetColorValue(clBlack);
    ColorPanelCS->SetEnabled(false);
    ShowHintOf(ColorPanelCS, "Выбрать цвет панели");

    FontCOlorCS = PlacedControl<TsColorSelect>(this, "FontCOlorCS", 256, 136);
    FontCOlorCS->SkinData()->SetSkinSection("SPEEDBUTTON");
    FontCOlorCS->SetBounds(256, 136, 23, 22);
    FontCOlorCS->SetColorValue(clBlack);
    ShowHintOf(FontCOlorCS, "Цвет шрифта (только не для скина)");
}

void TSettingsF::CreateStoreControls() {
    auto box = [this](const std::string& name, int top, int width, const std::string& caption) {
        auto* check = PlacedControl<TCheckBox>(this, name, 8, top);
        check->SetBounds(8, top, width, 17);
        check->SetCaption(caption);
        return check;
    };
    SaveSizeChb = box("SaveSizeChb", 160, 201, "Сохранять размеры окон");
    SaveSizeChb->SetChecked(true);
    SavePosChb = box("SavePosChb", 176, 249, "Сохранять положение окон программы");
    SaveDiffTrenChb = box("SaveDiffTrenChb", 192, 249, "Сохранять сложность и режим тренировки");
}

void TSettingsF::CreateButtons() {
    auto button = [this](const std::string& name, int left, int width, const std::string& caption, const std::string& hint) {
        auto* b = PlacedControl<TsButton>(this, name, left, 215);
        b->SkinData()->SetSkinSection("BUTTON");
        b->SetWidth(width);
        b->SetHeight(25);
        b->SetCaption(caption);
        ShowHintOf(b, hint);
        return b;
    };
    DefaultB = button("DefaultB", 8, 105, "Сделать как было", "Отменить изменения (вернуться к прежним настройкам)");
    DefaultB->SetAnchors({akLeft, akBottom});
    SaveB = button("SaveB", 164, 75, "Сохранить", "Сохранить изменения и закрыть окно");
    SaveB->SetAnchors({akRight, akBottom});
    CancelB = button("CancelB", 244, 75, "Отмена", "Закрыть окно (без сохранения настроек)");
    CancelB->SetAnchors({akRight, akBottom});
}

void TSettingsF::SetTabOrder() {
    const TWinControl* order[] = {SkinNameCb, UseSkinChb, HueOffsetTb, SaveB, CancelB, DefaultB,
                                  SaturationTb, SectwE, UseColorPanelChb, SaveSizeChb, SavePosChb, SaveDiffTrenChb};
    for (int i = 0; i < static_cast<int>(std::size(order)); ++i) const_cast<TWinControl*>(order[i])->SetTabOrder(i);
}

void TSettingsF::ConnectHandlers() {
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnKeyDown = [this](TObject* s, WORD& key, TShiftState shift) { FormKeyDown(s, key, shift); };
    OnKeyPress = [this](TObject* s, char32_t& key) { FormKeyPress(s, key); };
    UseSkinChb->OnClick = [this](TObject* s) { UseSkinChbClick(s); };
    SkinNameCb->OnChange = [this](TObject* s) { SkinNameCbChange(s); };
    HueOffsetTb->OnChange = [this](TObject* s) { HueOffsetTbChange(s); };
    SaturationTb->OnChange = [this](TObject* s) { SaturationTbChange(s); };
    SectwE->OnKeyPress = [this](TObject* s, char32_t& key) { SectwEKeyPress(s, key); };
    SectwE->OnChange = [this](TObject* s) { SectwEChange(s); };
    UseColorPanelChb->OnClick = [this](TObject* s) { UseColorPanelChbClick(s); };
    ColorPanelCS->OnChange = [this](TObject* s) { ColorPanelCSChange(s); };
    FontCOlorCS->OnChange = [this](TObject* s) { FontCOlorCSChange(s); };
    SaveB->OnClick = [this](TObject* s) { SaveBClick(s); };
    CancelB->OnClick = [this](TObject* s) { CancelBClick(s); };
    DefaultB->OnClick = [this](TObject* s) { DefaultBClick(s); };
}

TsSkinManager& TSettingsF::Skins() {
    return *Form1->sSkinManager1;
}

void TSettingsF::FormCreate(TObject*) {
    DefaultB->SetTop(215);
    SetWidth(336);
    SetHeight(278);
    SaveB->SetTop(Height() - 63);
    SaveB->SetLeft(Width() - 172);
    CancelB->SetTop(Height() - 63);
    CancelB->SetLeft(Width() - 92);
    HueOffsetTb->SetWidth(Width() - 10);
    SaturationTb->SetWidth(Width() - 10);
    SetLeft(static_cast<int>(std::floor(Screen->Width() / 2.0 - Width() / 2.0)));
    SetTop(static_cast<int>(std::floor(Screen->Height() / 2.0 - Height() / 2.0)));
}

void TSettingsF::FormShow(TObject*) {
    FillSkinList();
}

void TSettingsF::FormKeyDown(TObject*, WORD& key, TShiftState) {
    // The form sees the key before the list does, so the list is still open here.
    FEscapeClosesList = key == VK_ESCAPE && SkinNameCb->DroppedDown();
}

void TSettingsF::FormKeyPress(TObject*, char32_t& key) {
    if (key != 27) return;
    if (!FEscapeClosesList) CancelB->Click();
    FEscapeClosesList = false;
}

// --- the skin list -----------------------------------------------------------------------------

void TSettingsF::FillSkinList() {
    SkinNameCb->Clear();
    std::string first;
    Skins().ListSkinNames(*SkinNameCb->Items(), slAll, first);
    const int index = ListedSkin(Skins().SkinName(), false);
    if (index >= 0) SkinNameCb->SetItemIndex(index);
    else SkinNameCb->SetText(NoSkinText);
}

void TSettingsF::SelectSkin(const std::string& name) {
    const int index = ListedSkin(name, false);
    if (index >= 0) {
        SkinNameCb->SetItemIndex(index);
    } else if (SkinNameCb->ItemIndex() >= 0) {
        SkinNameCb->SetItemIndex(-1);
        SkinNameCb->SetText("");
    }
}

void TSettingsF::ShowLookInForce() {
    if (ListedSkin(Skins().SkinName(), false) < 0) return;
    SelectSkin(Skins().SkinName());
    HueOffsetTb->SetPosition(Skins().HueOffset());
    SaturationTb->SetPosition(Skins().Saturation());
    UseSkinChb->SetChecked(Skins().Active());
}

std::string TSettingsF::SelectedSkin() const {
    const int index = SkinNameCb->ItemIndex();
    return index >= 0 ? SkinNameCb->Items()->Strings(index) : std::string();
}

int TSettingsF::ListedSkin(const std::string& text, bool anyCase) const {
    const TStrings& names = *SkinNameCb->Items();
    for (int i = 0; i < names.Count(); ++i)
        if (anyCase ? AnsiSameText(names[i], text) : names[i] == text) return i;
    return -1;
}

// Typing leaves the list's selection where it was; the typed skin is the one in force, so it is
// made the selection (the one that is saved), spelt as listed, and the caret stays put.
void TSettingsF::FollowTypedSkin(int index) {
    if (SkinNameCb->ItemIndex() == index) return;
    if (!SkinNameCb->HandleAllocated()) {
        SkinNameCb->SetItemIndex(index);
        return;
    }
    const LRESULT caret = SendMessage(SkinNameCb->Handle(), CB_GETEDITSEL, 0, 0);
    SkinNameCb->SetItemIndex(index);
    SendMessage(SkinNameCb->Handle(), CB_SETEDITSEL, 0, caret);
}

// --- the live effects --------------------------------------------------------------------------

void TSettingsF::UseSkinChbClick(TObject*) {
    Skins().SetHueOffset(HueOffsetTb->Position());
    Skins().SetSkinName(SkinNameCb->Text());
    Skins().SetActive(UseSkinChb->Checked());
}

void TSettingsF::SkinNameCbChange(TObject*) {
    const int index = ListedSkin(SkinNameCb->Text(), true);
    if (index < 0) return;
    FollowTypedSkin(index);
    Skins().SetSkinName(SkinNameCb->Items()->Strings(index));
    HueOffsetTb->SetPosition(Skins().HueOffset());
    SaturationTb->SetPosition(Skins().Saturation());
    UseSkinChb->SetChecked(true);
}

void TSettingsF::HueOffsetTbChange(TObject*) {
    Skins().SetHueOffset(HueOffsetTb->Position());
}

void TSettingsF::SaturationTbChange(TObject*) {
    Skins().SetSaturation(SaturationTb->Position());
}

void TSettingsF::SectwEKeyPress(TObject*, char32_t& key) {
    if ((key < U'0' || key > U'9') && key != 8) key = 0;
}

void TSettingsF::SectwEChange(TObject*) {
    const std::string text = Trim(SectwE->Text());
    if (text.empty()) return;
    const int gap = StrToInt(text);
    if (gap < 0) throw ERangeError(SRangeError);
    Form1->SetGap(gap);
}

void TSettingsF::UseColorPanelChbClick(TObject*) {
    const bool own = UseColorPanelChb->Checked();
    ColorPanelCS->SetEnabled(own);
    Form1->Panel->SetColor(own ? ColorPanelCS->ColorValue() : clBtnFace);
    Form1->Panel->SkinData()->SetCustomColor(own);
    if (UseSkinChb->Checked()) Skins().BroadcastRefresh();
}

void TSettingsF::ColorPanelCSChange(TObject*) {
    Form1->Panel->SetColor(ColorPanelCS->ColorValue());
}

void TSettingsF::FontCOlorCSChange(TObject*) {
    const TColor color = FontCOlorCS->ColorValue();
    TWinControl* board = Form1->Panel;
    for (int i = 0; i < board->ControlCount(); ++i) board->Controls(i)->Font()->SetColor(color);
    for (TsButton* digit : SetValueF->DigitButtons) digit->Font()->SetColor(color);
    for (TsSpeedButton* mark : SetValueF->MarkButtons) mark->Font()->SetColor(color);
}

// --- closing -----------------------------------------------------------------------------------

void TSettingsF::SaveBClick(TObject*) {
    SetModalResult(mrOk);
}

void TSettingsF::CancelBClick(TObject*) {
    SetModalResult(mrCancel);
}

// Loading the file raises only the handlers of the controls it changes; the two colours are
// applied here as well, so that a colour changed since is not left in effect behind a button
// that shows the stored one.
void TSettingsF::DefaultBClick(TObject*) {
    Form1->LoadSettings();
    UseSkinChbClick(this);
    if (UseColorPanelChb->Checked()) ColorPanelCSChange(this);
    FontCOlorCSChange(this);
}
