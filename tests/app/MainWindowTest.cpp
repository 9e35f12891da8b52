// The main window at start and in play: its first start without a settings file, the stored size
// and position, the refused negative gap, the difficulty range, new games by F5 and the menu,
// the clock and minimising, and the board's layout.
#include "tests/app/GameFixture.h"

#include "app/TAboutF.h"
#include "app/TRecordsListF.h"
#include "app/TSettingsF.h"
#include "framework/TLabel.h"
#include "framework/TTimer.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsTrackBar.h"
#include "skin/data/TsSkinManager.h"

namespace {

struct TBoardState {
    int Hidden = 0;
    int HiddenBlank = 0; // hidden, empty and raised
    int OpenedPressed = 0;
    std::string Digits;
};

} // namespace

class MainWindowTest : public GameTest {
protected:
    TBoardState Board() {
        return Ui([] {
            TBoardState s;
            for (int i = 0; i < 81; ++i) {
                TMyButton* cell = Form1->Cell(i);
                s.Digits += cell->Opened ? cell->Caption() : ".";
                if (cell->Opened) {
                    s.OpenedPressed += cell->Down() && cell->Caption() == std::to_string(cell->Value);
                } else {
                    ++s.Hidden;
                    s.HiddenBlank += !cell->Down() && cell->Caption().empty();
                }
            }
            return s;
        });
    }
    std::string Clock() {
        return Ui([] { return Form1->TimeL->Caption(); });
    }
};

TEST_F(MainWindowTest, FirstStartWithoutASettingsFile) {
    Start();
    struct TSeen {
        TRect Bounds;
        int Position = 0;
        std::string Label;
        bool Training = true, SkinActive = true;
        int Sectw = 0, Difficulty = 0;
        std::vector<std::string> Forms;
    };
    const TSeen seen = Ui([] {
        TSeen s;
        s.Bounds = Form1->BoundsRect();
        s.Position = Form1->DifficultTB->Position();
        s.Label = Form1->DifficultValueL->Caption();
        s.Training = Form1->Training || Form1->TreningChb->Checked();
        s.SkinActive = Form1->sSkinManager1->Active();
        s.Sectw = Form1->Sectw;
        s.Difficulty = Form1->Difficulty;
        for (int i = 0; i < Screen->FormCount(); ++i) s.Forms.push_back(Screen->Forms(i)->ClassName());
        return s;
    });
    // Centred from the 500 × 500 design size on the 1280 × 1024 screen, then made 450 × 450.
    EXPECT_EQ(seen.Bounds, Bounds(390, 262, 450, 450));
    EXPECT_EQ(seen.Position, 5);
    EXPECT_EQ(seen.Label, "5");
    EXPECT_EQ(seen.Difficulty, 5);
    EXPECT_FALSE(seen.Training);
    EXPECT_FALSE(seen.SkinActive);
    EXPECT_EQ(seen.Sectw, 10);
    EXPECT_EQ(seen.Forms, (std::vector<std::string>{"TForm1", "TSetValueF", "TSettingsF", "TAboutF", "TRecordsListF"}));
    const TBoardState board = Board();
    EXPECT_EQ(board.Hidden, 34);
    EXPECT_EQ(board.HiddenBlank, 34);
    EXPECT_EQ(board.OpenedPressed, 81 - 34);
    EXPECT_EQ(Clock(), "0:00:00");
    // Only the main window is shown, and nothing was written.
    EXPECT_FALSE(Ui([] { return SetValueF->Visible() || SettingsF->Visible() || AboutF->Visible() || RecordsListF->Visible(); }));
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(MainWindowTest, StoredSizeAndPositionAreRestoredAndTheTopBarKeepsItsDistanceFromTheRight) {
    PutSettings("[settings]\r\nsavesize=1\r\nsavepos=1\r\n[global]\r\nform_width=600\r\nform_height=520\r\nform_left=33\r\nform_top=44\r\n");
    Start();
    const auto [bounds, trackRight, panel] = Ui([] {
        return std::make_tuple(Form1->BoundsRect(), Form1->Width() - Form1->DifficultTB->Left(), Form1->Panel->BoundsRect());
    });
    EXPECT_EQ(bounds, Bounds(33, 44, 600, 520));
    EXPECT_EQ(trackRight, 201);
    // The panel fills the client area below the top bar with 6 pixels at the sides.
    const TRect client = Ui([] { return Form1->ClientRect(); });
    EXPECT_EQ(panel, Bounds(6, 26, client.Width() - 12, client.Height() - 32));
}

TEST_F(MainWindowTest, AStoredSizeWithoutPositionKeepsTheCentredPlace) {
    PutSettings("[settings]\r\nsavesize=1\r\nsavepos=0\r\n[global]\r\nform_width=600\r\nform_height=520\r\nform_left=33\r\n");
    Start();
    EXPECT_EQ(Ui([] { return Form1->BoundsRect(); }), Bounds(390, 262, 600, 520));
}

TEST_F(MainWindowTest, ANegativeStoredGapIsReportedAndTheDefaultUsed) {
    PutSettings("[settings]\r\nsectw=-5\r\n");
    Start();
    // Reported where the main window is made, and again where the first showing puts the stored
    // gap into the settings dialog; each time the default is used and the start goes on.
    for (int report = 0; report < 2; ++report) {
        EXPECT_NE(ActiveDialogText().find("Range check error"), std::string::npos) << report;
        PressEnter();
    }
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    EXPECT_EQ(Ui([] { return Form1->Sectw; }), 10);
    EXPECT_EQ(Ui([] { return SettingsF->SectwE->Text(); }), "10");
    EXPECT_EQ(Board().Hidden, 34);
}

TEST_F(MainWindowTest, AStoredDifficultyIsClampedToTheTrackBarsRange) {
    PutSettings("[global]\r\ndifficult=12\r\ntrening=1\r\n");
    Start();
    EXPECT_EQ(Ui([] { return Form1->DifficultTB->Position(); }), 10);
    EXPECT_EQ(Board().Hidden, 54);
    EXPECT_EQ(Board().OpenedPressed, 27);
    EXPECT_TRUE(Ui([] { return Form1->Training && Form1->TreningErrL->Visible(); }));
}

TEST_F(MainWindowTest, TheEasiestGameHides18Cells) {
    PutSettings("[global]\r\ndifficult=1\r\n");
    Start();
    EXPECT_EQ(Board().Hidden, 18);
    EXPECT_EQ(Board().HiddenBlank, 18);
    EXPECT_EQ(Board().OpenedPressed, 63);
}

TEST_F(MainWindowTest, F5AndTheMenuStartANewGameAndTheClockStartsAgain) {
    Start();
    Driver().Advance(3000);
    EXPECT_EQ(Clock(), "0:00:03");
    const std::string before = Board().Digits;
    Driver().PressKey(VK_F5);
    EXPECT_NE(Board().Digits, before);
    EXPECT_EQ(Clock(), "0:00:00");
    EXPECT_EQ(Ui([] { return Form1->Seconds; }), 0);
    Driver().Advance(2000);
    const std::string second = Board().Digits;
    ClickMenu(0);
    EXPECT_NE(Board().Digits, second);
    EXPECT_EQ(Clock(), "0:00:00");
}

TEST_F(MainWindowTest, EscMinimisesAndTheClockStopsUntilTheRestore) {
    Start();
    Driver().Advance(2000);
    Driver().PressKey(VK_ESCAPE);
    EXPECT_TRUE(Ui([] { return Application->Minimized(); }));
    Driver().Advance(5000);
    EXPECT_EQ(Clock(), "0:00:02");
    Ui([] { Application->Restore(); });
    Driver().Advance(1000);
    EXPECT_EQ(Clock(), "0:00:03");
}

TEST_F(MainWindowTest, TheClockShowsHoursWithoutWrapping) {
    Start();
    Ui([] { Form1->Seconds = 3598; });
    Driver().Advance(1000);
    EXPECT_EQ(Clock(), "0:59:59");
    Driver().Advance(1000);
    EXPECT_EQ(Clock(), "1:00:00");
    Ui([] { Form1->Seconds = 25 * 3600 + 60; });
    Driver().Advance(1000);
    EXPECT_EQ(Clock(), "25:01:01");
}

TEST_F(MainWindowTest, PanelResizeLaysTheCellsOutByBlocksAndSizesTheirFonts) {
    Start();
    struct TCellLook {
        TRect Bounds;
        std::string Font;
        int Size = 0;
    };
    const auto looks = Ui([] {
        Form1->Panel->SetBounds(6, 26, 426, 380);
        Form1->PanelResize(Form1->Panel);
        std::vector<TCellLook> cells;
        for (int i = 0; i < 81; ++i) {
            TMyButton* c = Form1->Cell(i);
            cells.push_back({c->BoundsRect(), c->Font()->Name(), c->Font()->Size()});
        }
        return cells;
    });
    std::vector<int> lefts;
    for (int c = 0; c < 9; ++c) lefts.push_back(looks[c].Bounds.Left);
    EXPECT_EQ(lefts, (std::vector<int>{10, 52, 94, 146, 188, 230, 282, 324, 366}));
    EXPECT_EQ(looks[80].Bounds, Bounds(366, 326, 42, 37));
    const std::vector<int> hidden = HiddenCells();
    for (int i = 0; i < 81; ++i) {
        const bool isHidden = std::find(hidden.begin(), hidden.end(), i) != hidden.end();
        EXPECT_EQ(looks[i].Font, isHidden ? "Courier New" : "Times New Roman") << i;
        EXPECT_EQ(looks[i].Size, isHidden ? 6 : 19) << i;
    }
}

TEST_F(MainWindowTest, ResizingTheWindowLaysTheBoardOutAgainKeepingTheCellsTexts) {
    Start();
    const std::string digits = Board().Digits;
    const auto [before, after] = Ui([] {
        const TRect first = Form1->Cell(80)->BoundsRect();
        Form1->SetBounds(Form1->Left(), Form1->Top(), 600, 560);
        return std::make_pair(first, Form1->Cell(80)->BoundsRect());
    });
    EXPECT_GT(after.Right, before.Right);
    EXPECT_GT(after.Bottom, before.Bottom);
    EXPECT_EQ(Board().Digits, digits);
    // The last cell still ends inside the panel, the left-over space at its right and bottom.
    const TRect panel = Ui([] { return Form1->Panel->ClientRect(); });
    EXPECT_LE(after.Right, panel.Right - 10);
}
