// The main window: the top bar (clock, training switch, difficulty), the 9 × 9 board, the menu,
// and the rules of play: starting games, answering cells, the clock, winning and losing.
#pragma once

#include "framework/TForm.h"
#include "puzzle/TElements.h"

#include <cstdint>
#include <memory>

class TLabel;
class TMainMenu;
class TMenuItem;
class TMyButton;
class TTimer;
class TsCheckBox;
class TsHintManager;
class TsLabel;
class TsPanel;
class TsSkinManager;
class TsSkinProvider;
class TsTrackBar;

class TForm1 : public TForm {
public:
    static constexpr const char* CaptionText = "Tavik Sudoku 1.0";
    static constexpr int CellCount = 81;

    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    std::string ClassName() const override { return "TForm1"; }

    // --- components ----------------------------------------------------------------------
    TsSkinProvider* sSkinProvider1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* NewGameMI = nullptr;
    TMenuItem* SettingsMI = nullptr;
    TMenuItem* RecordsMI = nullptr;
    TMenuItem* AboutMI = nullptr;
    TLabel* TimeL = nullptr;
    TsLabel* TreningErrL = nullptr;
    TsCheckBox* TreningChb = nullptr;
    TsLabel* DifficultL = nullptr;
    TsLabel* DifficultValueL = nullptr;
    TsTrackBar* DifficultTB = nullptr;
    TsPanel* Panel = nullptr;
    TTimer* Timer1 = nullptr;
    TsSkinManager* sSkinManager1 = nullptr;
    TsHintManager* sHintManager1 = nullptr;

    // --- game state ----------------------------------------------------------------------
    std::unique_ptr<TElements> Elements; // made in FormCreate, freed in FormDestroy
    std::uint8_t Difficulty = 1;
    bool Training = false;
    std::int32_t Errors = 0;
    std::int32_t Sectw = 10;   // gap between the 3 × 3 blocks and around them; never negative
    std::int32_t Seconds = 0;

    // Cell i of the board: the panel's child i.
    TMyButton* Cell(int index) const;

    // --- the game (rules and clock) ------------------------------------------------------
    // Difficulty := the track bar's position; the number of cells to hide for it.
    std::uint8_t GetHiddenCount();
    void StartGame(int hidden);
    // Every new-game command: a game at the track bar's difficulty.
    void NewGame();
    bool CheckWin() const;
    void ShowWin();
    void AddError();
    // Lays the 81 cells out in the panel with Sectw around and between the blocks.
    void PanelResize(TObject* sender);
    // A new gap, limited to one the panel can lay out with cells of a playable size, laid out at
    // once.
    void SetGap(int gap);
    // Where the chooser opens for a cell: beside it, toward the board's middle.
    int GetLeftPopup(const TMyButton& cell) const;
    int GetTopPopup(const TMyButton& cell) const;

    // --- settings ------------------------------------------------------------------------
    // The settings dialog's controls take the file's look settings and switches; their change
    // handlers apply what changes.
    void LoadSettings();
    // The dialog's eleven look settings and switches into the file. A write that fails is
    // reported and the writes after it are skipped.
    void SaveSettings();

    // --- handlers ------------------------------------------------------------------------
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormDestroy(TObject* sender);
    void FormKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void FormResize(TObject*) {}
    void NewGameMIClick(TObject* sender);
    void SettingsMIClick(TObject* sender);
    void RecordsMIClick(TObject* sender);
    void AboutMIClick(TObject* sender);
    void ApplicationMinimized(TObject* sender);
    void ApplicationRestore(TObject* sender);
    void Button1MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void Timer1Timer(TObject* sender);
    void DifficultTBChange(TObject* sender);
    void TreningChbClick(TObject* sender);

private:
    void CreateMenu();
    void CreateTopBar();
    void CreateBoardPanel();
    void CreateCells();
    void PlaceTopBar();
    // The stored gap; a negative one is reported and the default 10 used.
    int StoredGap();
    int LimitedGap(int gap) const;
    void RestoreStoredBounds();
    void WriteLookSettings();
    // FormClose's writes: difficulty and training, sizes and places, as the dialog's boxes allow.
    void WriteClosingState();
    // The chooser's answer for a cell that is not opened.
    void AnswerCell(TMyButton& cell, std::uint8_t digit, std::uint16_t marks);
    // The information dialog of a finished or lost game; OK starts a new game.
    void OfferNewGame(const std::string& text);
};

extern TForm1* Form1;
