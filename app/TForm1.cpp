// The main window: its design, start and end, keyboard, menu and the rules of play.
#include "app/TForm1.h"

#include "app/BoardGeometry.h"
#include "app/DesignHelpers.h"
#include "app/GameDialogs.h"
#include "app/SettingsIni.h"
#include "app/TAboutF.h"
#include "app/TIniStore.h"
#include "app/TMyButton.h"
#include "app/TRecordsListF.h"
#include "app/TSetValueF.h"
#include "app/TSettingsF.h"
#include "app/WindowGeometry.h"
#include "app/logic/FormatGameTime.h"
#include "app/logic/TRecordsTable.h"
#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/SysUtils.h"
#include "framework/TApplication.h"
#include "framework/TCheckBox.h"
#include "framework/TLabel.h"
#include "framework/TMainMenu.h"
#include "framework/TScreen.h"
#include "framework/TTimer.h"
#include "puzzle/EElementCount.h"
#include "resources/InternalSkins.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsColorSelect.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsTrackBar.h"
#include "skin/data/TsSkinManager.h"
#include "skin/hints/TsHintManager.h"
#include "skin/windows/TsSkinProvider.h"

#include <algorithm>
#include <cmath>

TForm1* Form1 = nullptr;

namespace {

constexpr WORD KeyEscape = 27;
constexpr WORD KeyF5 = 116;

// The left (or top) that centres a window of that size on the screen, rounded down.
int Centred(int screenSize, int windowSize) {
    return static_cast<int>(std::floor(screenSize / 2.0 - windowSize / 2.0));
}

} // namespace

// --- design ----------------------------------------------------------------------------------

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    SetName("Form1");
    SetCaption(CaptionText);
    SetBounds(121, 92, 500, 500);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    SetKeyPreview(true);
    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->SetName("sSkinProvider1");
    sSkinProvider1->SkinData()->SetSkinSection("FORM");
    CreateMenu();
    CreateTopBar();
    CreateBoardPanel();
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1000);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->SetName("sSkinManager1");
    // The stored state, applied as stored state is: switched off before the name is set, so that
    // nothing is loaded until the settings switch skinning on.
    sSkinManager1->BeginLoading();
    sSkinManager1->SetActive(false);
    sSkinManager1->SetSkinDirectory("Skins");
    // The archives are the program's read-only data: the items read them where they are.
    for (const TInternalSkin& skin : InternalSkinArchives()) {
        sSkinManager1->InternalSkins().Add(TsStoredSkin::Borrowing(std::string(skin.Name), skin.Data));
    }
    sSkinManager1->SetSkinName("Desert (internal)");
    sSkinManager1->EndLoading();
    // Stored values of the hint manager; its loading applies the ellipse predefinition.
    sHintManager1 = new TsHintManager(this);
    sHintManager1->BeginLoading();
    sHintManager1->SetName("sHintManager1");
    sHintManager1->SetSkinSection("HINT");
    sHintManager1->EndLoading();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](TObject* s) { FormDestroy(s); };
    OnKeyDown = [this](TObject* s, WORD& key, TShiftState shift) { FormKeyDown(s, key, shift); };
    OnResize = [this](TObject* s) { FormResize(s); };
}

TForm1::~TForm1() {
    DoDestroy();
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::CreateMenu() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    auto item = [this](const std::string& name, const std::string& caption, void (TForm1::*handler)(TObject*)) {
        auto* mi = new TMenuItem(this);
        mi->SetName(name);
        mi->SetCaption(caption);
        mi->OnClick = [this, handler](TObject* s) { (this->*handler)(s); };
        MainMenu1->Items()->Add(mi);
        return mi;
    };
    NewGameMI = item("NewGameMI", "Новая игра", &TForm1::NewGameMIClick);
    SettingsMI = item("SettingsMI", "Настройки", &TForm1::SettingsMIClick);
    RecordsMI = item("RecordsMI", "Рекорды", &TForm1::RecordsMIClick);
    AboutMI = item("AboutMI", "О программе", &TForm1::AboutMIClick);
    SetMenu(MainMenu1);
}

// The design places are those of a 500 pixel wide window; FormCreate moves the controls that
// keep their distance from the right edge.
void TForm1::CreateTopBar() {
    TimeL = PlacedControl<TLabel>(this, "TimeL", 10, 4);
    TimeL->SetCaption("0:00:00");
    TimeL->Font()->SetStyle({fsBold});
    ShowHintOf(TimeL, "Прошло времени с начала игры");
    TimeL->SetAnchors({akLeft, akTop});
    // A plain label, yet over a skinned top bar it must not paint a grey box of its own.
    TimeL->SetTransparent(true);

    TreningErrL = PlacedControl<TsLabel>(this, "TreningErrL", 130, 4);
    TreningErrL->Font()->SetStyle({fsBold});
    TreningErrL->SetCaption("");
    TreningErrL->SetVisible(false);
    TreningErrL->SetAnchors({akTop, akRight});

    TreningChb = PlacedControl<TsCheckBox>(this, "TreningChb", 154, 3);
    TreningChb->SkinData()->SetSkinSection("CHECKBOX");
    TreningChb->SetCaption("трен.");
    ShowHintOf(TreningChb, "Режим тренировки (В данном режиме можно ошибаться, но вы не попадете в \"Таблицу Рекордов\")");
    TreningChb->SetWidth(46);
    TreningChb->SetHeight(17);
    TreningChb->SetAnchors({akTop, akRight});
    TreningChb->OnClick = [this](TObject* s) { TreningChbClick(s); };

    DifficultL = PlacedControl<TsLabel>(this, "DifficultL", 211, 4);
    DifficultL->SetCaption("Сложность:");
    DifficultL->SetAnchors({akTop, akRight});

    DifficultValueL = PlacedControl<TsLabel>(this, "DifficultValueL", 276, 4);
    DifficultValueL->SetCaption("1");
    DifficultValueL->Font()->SetStyle({fsBold});
    ShowHintOf(DifficultValueL, "Сложность игры (1-10)");
    DifficultValueL->SetAnchors({akTop, akRight});

    DifficultTB = PlacedControl<TsTrackBar>(this, "DifficultTB", 299, 0);
    DifficultTB->SkinData()->SetSkinSection("TRACKBAR");
    DifficultTB->SetMin(1);
    DifficultTB->SetMax(10);
    DifficultTB->SetPosition(1);
    DifficultTB->SetPageSize(1);
    DifficultTB->SetThumbLength(15);
    ShowHintOf(DifficultTB, "Здесь можно выбрать сложность игры (1-10)");
    DifficultTB->SetWidth(190);
    DifficultTB->SetHeight(24);
    DifficultTB->SetAnchors({akTop, akRight});
    DifficultTB->OnChange = [this](TObject* s) { DifficultTBChange(s); };
}

void TForm1::CreateBoardPanel() {
    Panel = PlacedControl<TsPanel>(this, "Panel", 6, 26);
    Panel->SkinData()->SetSkinSection("PANEL");
    Panel->SetCaption("");
    Panel->SetBevelInner(bvLowered);
    Panel->SetWidth(476);
    Panel->SetHeight(420);
    Panel->SetAnchors({akLeft, akTop, akRight, akBottom});
    // The cells repaint often; off-screen painting keeps the board from flickering.
    Panel->SetDoubleBuffered(true);
    Panel->OnResize = [this](TObject* s) { PanelResize(s); };
}

TMyButton* TForm1::Cell(int index) const {
    return static_cast<TMyButton*>(Panel->Controls(index));
}

// --- start and end ---------------------------------------------------------------------------

void TForm1::FormCreate(TObject*) {
    sSkinManager1->SetActive(false);
    Elements = std::make_unique<TElements>();
    CreateCells();
    Application->OnMinimize = [this](TObject* s) { ApplicationMinimized(s); };
    Application->OnRestore = [this](TObject* s) { ApplicationRestore(s); };
    // Centred from the design size, then made smaller: it stands a little right of and below
    // the true centre.
    SetLeft(Centred(Screen->Width(), Width()));
    SetTop(Centred(Screen->Height(), Height()));
    SetWidth(450);
    SetHeight(450);
    const int storedGap = StoredGap();
    RestoreStoredBounds();
    Panel->SetBounds(6, 26, ClientWidth() - 12, ClientHeight() - 32);
    Sectw = LimitedGap(storedGap);
    PlaceTopBar();
}

int TForm1::StoredGap() {
    const int gap = SettingsIni().ReadInteger("settings", "sectw", 10);
    if (gap >= 0) return gap;
    // The gap is never negative: the stored value is refused and the default used.
    ERangeError error(SRangeError);
    Application->HandleException(this, &error);
    return 10;
}

// A larger gap would leave cells of no size, or positions past 32 bits.
int TForm1::LimitedGap(int gap) const {
    return std::min(gap, MaxBoardGap(Panel->Width(), Panel->Height()));
}

void TForm1::SetGap(int gap) {
    Sectw = LimitedGap(gap);
    PanelResize(Panel);
}

void TForm1::CreateCells() {
    const TCellSize size{Panel->Width() / 9, Panel->Height() / 9};
    for (int i = 0; i < CellCount; ++i) {
        auto* cell = new TMyButton(this);
        cell->SetParent(Panel);
        cell->SetBounds(GridLeft(i, 9, size.Width, 0, 3, 10), GridTop(i, 9, size.Height, 0, 3, 10), size.Width, size.Height);
        cell->CellIndex = static_cast<std::uint8_t>(i);
        cell->PosX = static_cast<std::uint8_t>(i % 9 + 1);
        cell->PosY = static_cast<std::uint8_t>(i / 9 + 1);
        cell->Opened = false;
        cell->SetAllowAllUp(true);
        cell->SetGroupIndex(i + 1);
        cell->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { Button1MouseDown(s, b, sh, x, y); };
    }
}

void TForm1::RestoreStoredBounds() {
    const TIniFile& ini = SettingsIni();
    int left = Left(), top = Top(), width = Width(), height = Height();
    if (ini.ReadBool("settings", "savesize", false)) {
        width = ini.ReadInteger("global", "form_width", width);
        height = ini.ReadInteger("global", "form_height", height);
    }
    if (ini.ReadBool("settings", "savepos", false)) {
        left = ini.ReadInteger("global", "form_left", 100);
        top = ini.ReadInteger("global", "form_top", 70);
    }
    // Whatever the file holds (another screen's geometry, or nonsense), the window fits the work
    // area with its title bar in reach, and its back buffer stays the size of a screen.
    PlaceOnWorkArea(*this, left, top, width, height);
}

// Against the outer width; the anchors keep these distances from the right edge afterwards.
void TForm1::PlaceTopBar() {
    const int w = Width();
    DifficultTB->SetLeft(w - 201);
    DifficultTB->SetWidth(190);
    DifficultL->SetLeft(w - 289);
    DifficultValueL->SetLeft(w - 224);
    TreningChb->SetLeft(w - 346);
    TreningErrL->SetLeft(w - 370);
}

void TForm1::FormShow(TObject*) {
    const TIniFile& ini = SettingsIni();
    // Each may start a game through its change handler; the game of the last step replaces it.
    DifficultTB->SetPosition(ini.ReadInteger("global", "difficult", 5));
    TreningChb->SetChecked(ini.ReadBool("global", "trening", false));
    LoadSettings();
    SettingsF->FontCOlorCSChange(SettingsF);
    RestoreWindowGeometry(ini, SettingsF->SaveSizeChb->Checked(), SettingsF->SavePosChb->Checked());
    StartGame(GetHiddenCount());
    PanelResize(Panel);
}

// Each control change raises that control's handler only when the value really changes; the
// colour buttons and the list's selection raise nothing.
void TForm1::LoadSettings() {
    const TIniFile& ini = SettingsIni();
    TSettingsF& dialog = *SettingsF;
    dialog.FillSkinList();
    dialog.SelectSkin(ini.ReadString("settings", "skinname", sSkinManager1->SkinName()));
    dialog.UseSkinChb->SetChecked(ini.ReadBool("settings", "useskin", false));
    dialog.HueOffsetTb->SetPosition(ini.ReadInteger("settings", "hueoffset", 0));
    dialog.SaturationTb->SetPosition(ini.ReadInteger("settings", "saturation", 0));
    dialog.SectwE->SetText(std::to_string(StoredGap()));
    dialog.ColorPanelCS->SetColorValue(static_cast<TColor>(ini.ReadInteger("settings", "colorpanel", 0)));
    dialog.UseColorPanelChb->SetChecked(ini.ReadBool("settings", "usecolorpanel", false));
    dialog.SaveSizeChb->SetChecked(ini.ReadBool("settings", "savesize", false));
    dialog.SavePosChb->SetChecked(ini.ReadBool("settings", "savepos", false));
    dialog.SaveDiffTrenChb->SetChecked(ini.ReadBool("settings", "savedifftren", false));
    dialog.FontCOlorCS->SetColorValue(static_cast<TColor>(ini.ReadInteger("settings", "fontcolor", 0)));
    Sectw = LimitedGap(StrToInt(dialog.SectwE->Text()));
}

void TForm1::SaveSettings() {
    try {
        WriteLookSettings();
    } catch (const std::exception& error) {
        Application->HandleException(this, &error);
    }
}

void TForm1::WriteLookSettings() {
    TIniFile& ini = SettingsIni();
    const TSettingsF& dialog = *SettingsF;
    ini.WriteBool("settings", "useskin", dialog.UseSkinChb->Checked());
    ini.WriteString("settings", "skinname", dialog.SelectedSkin());
    ini.WriteInteger("settings", "hueoffset", dialog.HueOffsetTb->Position());
    ini.WriteInteger("settings", "saturation", dialog.SaturationTb->Position());
    ini.WriteString("settings", "sectw", dialog.SectwE->Text());
    ini.WriteBool("settings", "usecolorpanel", dialog.UseColorPanelChb->Checked());
    ini.WriteInteger("settings", "colorpanel", static_cast<int>(dialog.ColorPanelCS->ColorValue()));
    ini.WriteBool("settings", "savesize", dialog.SaveSizeChb->Checked());
    ini.WriteBool("settings", "savepos", dialog.SavePosChb->Checked());
    ini.WriteBool("settings", "savedifftren", dialog.SaveDiffTrenChb->Checked());
    ini.WriteInteger("settings", "fontcolor", static_cast<int>(dialog.FontCOlorCS->ColorValue()));
}

// A write that fails is reported and the rest skipped; the close itself goes on.
void TForm1::FormClose(TObject*, TCloseAction&) {
    try {
        WriteClosingState();
    } catch (const std::exception& error) {
        Application->HandleException(this, &error);
    }
}

void TForm1::WriteClosingState() {
    TIniFile& ini = SettingsIni();
    const TSettingsF& dialog = *SettingsF;
    if (dialog.SaveDiffTrenChb->Checked()) {
        ini.WriteInteger("global", "difficult", DifficultTB->Position());
        ini.WriteBool("global", "trening", TreningChb->Checked());
    }
    StoreWindowGeometry(ini, dialog.SaveSizeChb->Checked(), dialog.SavePosChb->Checked());
}

void TForm1::FormDestroy(TObject*) {
    Elements.reset();
    if (Application) {
        Application->OnMinimize = nullptr;
        Application->OnRestore = nullptr;
    }
}

void TForm1::FormKeyDown(TObject*, WORD& key, TShiftState) {
    if (key == KeyEscape) Application->Minimize();
    if (key == KeyF5) NewGame();
}

void TForm1::ApplicationMinimized(TObject*) {
    Timer1->SetEnabled(false);
}

void TForm1::ApplicationRestore(TObject*) {
    Timer1->SetEnabled(true);
}

// --- menu ------------------------------------------------------------------------------------

void TForm1::NewGameMIClick(TObject*) {
    NewGame();
}

void TForm1::SettingsMIClick(TObject*) {
    if (SettingsF->ShowModal() == mrOk) SaveSettings();
}

void TForm1::RecordsMIClick(TObject*) {
    RecordsListF->ShowModal();
}

void TForm1::AboutMIClick(TObject*) {
    AboutF->ShowModal();
}

// --- the game --------------------------------------------------------------------------------

std::uint8_t TForm1::GetHiddenCount() {
    Difficulty = static_cast<std::uint8_t>(DifficultTB->Position());
    return static_cast<std::uint8_t>(4 * Difficulty + 14);
}

void TForm1::NewGame() {
    StartGame(GetHiddenCount());
}

void TForm1::StartGame(int hidden) {
    Training = TreningChb->Checked();
    TreningErrL->SetCaption("0");
    Errors = 0;
    TimeL->SetCaption("0:00:00");
    EElementCount::Check(static_cast<std::size_t>(Panel->ControlCount()));
    // A grid left incomplete after every attempt (a chance below 1e-13) is never played.
    do Elements->Generate();
    while (Elements->Solution[9][9] == 0);
    Elements->ChooseRevealed(hidden);
    for (int i = 0; i < CellCount; ++i) Cell(i)->ClearCell();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) Cell((r - 1) * 9 + (c - 1))->Value = Elements->Solution[c][r];
    for (int i = 0; i < CellCount; ++i)
        if (Elements->Revealed[i]) Cell(i)->ShowCellValue();
    PanelResize(Panel);
    Seconds = 0;
    Timer1->SetEnabled(true);
}

void TForm1::PanelResize(TObject*) {
    const TCellSize size = BoardCellSize(Panel->Width(), Panel->Height(), Sectw);
    for (int i = 0; i < Panel->ControlCount(); ++i) {
        auto* cell = static_cast<TMyButton*>(Panel->Controls(i));
        cell->SetBounds(GridLeft(i, 9, size.Width, 0, 3, Sectw), GridTop(i, 9, size.Height, 0, 3, Sectw), size.Width, size.Height);
        cell->Font()->SetStyle({fsBold});
        if (cell->Opened) {
            cell->Font()->SetSize(OpenedFontSize(size));
            cell->Font()->SetName("Times New Roman");
        } else {
            cell->Font()->SetName("Courier New");
            cell->Font()->SetSize(MarksFontSize(size));
        }
    }
}

void TForm1::Button1MouseDown(TObject* sender, TMouseButton button, TShiftState, int, int) {
    auto* cell = dynamic_cast<TMyButton*>(sender);
    if (!cell || cell->Opened) return;
    cell->SetDown(true);
    SetValueF->SetCaption("Выбери...                координаты: x=" + std::to_string(cell->PosX) +
                          " y=" + std::to_string(cell->PosY) + ")");
    SetValueF->LoadMarks(cell->Marks);
    SetValueF->SetLeft(GetLeftPopup(*cell));
    SetValueF->SetTop(GetTopPopup(*cell));
    SetValueF->ShowPage(button == mbLeft ? SetValueF->PageSet : SetValueF->PageSetTemp);
    const std::uint8_t digit = SetValueF->Execute();
    AnswerCell(*cell, digit, SetValueF->Marks);
}

void TForm1::AnswerCell(TMyButton& cell, std::uint8_t digit, std::uint16_t marks) {
    if (digit == 0) {
        cell.ShowCellMarks(marks);
        cell.SetDown(false);
        PanelResize(Panel);
    } else if (digit == cell.Value) {
        cell.ShowCellValue();
        PanelResize(Panel);
        if (!CheckWin()) return;
        ShowWin();
        OfferNewGame("Начать новую игру?");
    } else if (Training) {
        ShowGameMessage("Неправильно!!!");
        AddError();
        PanelResize(Panel);
    } else {
        OfferNewGame("Неправильно!!! Вы проиграли! Начать новую игру?");
    }
}

void TForm1::OfferNewGame(const std::string& text) {
    if (AskInformation(text)) NewGame();
    else PanelResize(Panel);
}

bool TForm1::CheckWin() const {
    int opened = 0;
    for (int i = 0; i < CellCount; ++i) opened += Cell(i)->Opened ? 1 : 0;
    return opened == CellCount;
}

void TForm1::ShowWin() {
    Timer1->SetEnabled(false);
    if (Training) {
        ShowGameMessage("Вы победили!!!! Время прохождения: " + FormatGameTime(Seconds) +
                        ". Кол-во ошибок: " + std::to_string(Errors));
        return;
    }
    TIniStore store(SettingsIni());
    TRecordsTable table(store);
    const TWinCheck check = table.CheckWin(Difficulty, Seconds);
    if (!check.IsRecord) {
        ShowGameMessage(TRecordsTable::NotBetterText);
        return;
    }
    table.StoreWinner(check.Place, AskText(TRecordsTable::NameCaption, check.Prompt), Seconds);
    RecordsListF->ShowModal();
}

void TForm1::AddError() {
    ++Errors;
    TreningErrL->SetCaption(std::to_string(Errors));
}

void TForm1::Timer1Timer(TObject*) {
    ++Seconds;
    TimeL->SetCaption(FormatGameTime(Seconds));
}

void TForm1::DifficultTBChange(TObject*) {
    const std::string position = std::to_string(DifficultTB->Position());
    if (DifficultValueL->Caption() == position) return;
    DifficultValueL->SetCaption(position);
    NewGame();
}

void TForm1::TreningChbClick(TObject*) {
    const bool on = TreningChb->Checked();
    TreningErrL->SetVisible(on);
    if (on) Training = true;
    else NewGame();
}

int TForm1::GetLeftPopup(const TMyButton& cell) const {
    if (cell.PosX < 7) return Left() + cell.Left() + cell.Width() + 10;
    return Left() + cell.Left() + 10 - SetValueF->Width();
}

int TForm1::GetTopPopup(const TMyButton& cell) const {
    if (cell.PosY < 7) return Top() + cell.Top() + cell.Height() + 65;
    return Top() + cell.Top() + 65 - SetValueF->Height();
}
