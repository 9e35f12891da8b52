// The end of a game: the clock stops at once, a training win only reports, and a win outside
// training meets the records table: a better time asks for a name (trimmed, stored scrambled,
// the table shown), an equal time is not better, a stored 0 is an empty place, a stored time that
// cannot be read gives way to the win, and the key that answers the last cell types nothing into
// the name question.
#include "tests/app/GameFixture.h"

#include "app/TRecordsListF.h"
#include "app/logic/ScrambleText.h"
#include "framework/TIniFile.h"
#include "framework/TTimer.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsMemo.h"

class WinTest : public GameTest {
protected:
    void CloseRecords() {
        const TPoint at = Ui([] { return RecordsListF->OkB->ClientToScreen({10, 10}); });
        Driver().Click(at.X, at.Y);
    }
    std::string StoredPlain(int place) {
        TIniFile ini(SettingsPath());
        const std::string raw = ini.ReadString("rec", std::to_string(place), "");
        return raw.empty() ? "" : ScrambleText(raw, static_cast<std::uint8_t>(place));
    }
    void PutRecord(int place, const std::string& plain) {
        TIniFile ini(SettingsPath());
        ini.WriteString("rec", std::to_string(place), ScrambleText(plain, static_cast<std::uint8_t>(place)));
    }
    std::string RecordsText() {
        return Ui([] { return RecordsListF->RecordsM->Text(); });
    }
};

TEST_F(WinTest, AFirstWinAsksForANameStoresItTrimmedAndShowsTheTable) {
    Start();
    WinIn(200);
    EXPECT_FALSE(Ui([] { return Form1->Timer1->Enabled(); }));
    EXPECT_EQ(ActiveCaption(), "Вы победили!!!!!!!");
    EXPECT_NE(ActiveDialogText().find("Вы показали результат 0:03:20 (200 сек.)\r\nЭто лучше предыдущего 0:00:00 (0 сек.) "
                                      "который показал(а) --------------------.\r\nВведите свое имя:"),
              std::string::npos);
    Driver().Type("  Анна Мария  ");
    PressEnter();
    // Stored under place 6 (difficulty 5), before the table is shown.
    EXPECT_EQ(StoredPlain(6), "Анна Мария#200");
    EXPECT_EQ(ActiveFormClass(), "TRecordsListF");
    const std::string table = RecordsText();
    EXPECT_NE(table.find(" 6. Анна Мария            0:03:20"), std::string::npos) << table;
    EXPECT_NE(table.find(" 1. --------------------  0:00:00"), std::string::npos) << table;
    CloseRecords();
    EXPECT_EQ(ActiveDialogText(), "Начать новую игру?");
    PressEnter();
    EXPECT_EQ(ActiveFormClass(), "TForm1");
    EXPECT_EQ(HiddenCells().size(), 34u);
    EXPECT_TRUE(Ui([] { return Form1->Timer1->Enabled(); }));
}

TEST_F(WinTest, AnEqualTimeIsNotBetterAndAFasterOneAsksAgain) {
    PutRecord(6, "Борис#200");
    Start();
    WinIn(200);
    EXPECT_EQ(ActiveDialogText(), "Вы победили!!!!!!!!!");
    PressEnter();
    EXPECT_EQ(ActiveDialogText(), "Начать новую игру?");
    // Closed without OK: the finished board stays, the clock stopped.
    ClickCloseBox();
    EXPECT_TRUE(HiddenCells().empty());
    EXPECT_FALSE(Ui([] { return Form1->Timer1->Enabled(); }));
    EXPECT_EQ(StoredPlain(6), "Борис#200");

    Driver().PressKey(VK_F5);
    WinIn(199);
    EXPECT_EQ(ActiveCaption(), "Вы победили!!!!!!!");
    Driver().Type("Вера");
    PressEnter();
    EXPECT_EQ(StoredPlain(6), "Вера#199");
}

TEST_F(WinTest, ACancelledNameStoresNothingButShowsTheTable) {
    Start();
    WinIn(90);
    Driver().Type("Никто");
    PressEscape();
    EXPECT_EQ(StoredPlain(6), "");
    EXPECT_EQ(ActiveFormClass(), "TRecordsListF");
}

TEST_F(WinTest, AWinningTimeOfZeroIsStoredButReadsAsAnEmptyPlace) {
    Start();
    WinIn(0);
    Driver().Type("Быстрый");
    PressEnter();
    EXPECT_EQ(StoredPlain(6), "Быстрый#0");
    CloseRecords();
    PressEnter(); // a new game
    WinIn(500);
    EXPECT_EQ(ActiveCaption(), "Вы победили!!!!!!!");
    EXPECT_NE(ActiveDialogText().find("предыдущего 0:00:00 (0 сек.) который показал(а) Быстрый."), std::string::npos);
}

TEST_F(WinTest, ATrainingWinReportsTimeAndErrorsAndNeverTouchesTheTable) {
    Start();
    Ui([] { Form1->TreningChb->SetChecked(true); });
    Ui([] { Form1->AddError(); });
    WinIn(75);
    EXPECT_EQ(ActiveDialogText(), "Вы победили!!!! Время прохождения: 0:01:15. Кол-во ошибок: 1");
    PressEnter();
    EXPECT_EQ(ActiveDialogText(), "Начать новую игру?");
    PressEnter();
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(WinTest, AWinReplacesARecordWhoseTimeCannotBeRead) {
    PutRecord(6, "Кто-то#12a");
    Start();
    WinIn(50);
    EXPECT_EQ(ActiveCaption(), "Вы победили!!!!!!!");
    EXPECT_NE(ActiveDialogText().find("лучше предыдущего 12a (12a сек.) который показал(а) Кто-то."), std::string::npos)
        << ActiveDialogText();
    Driver().Type("Tester");
    PressEnter();
    EXPECT_EQ(StoredPlain(6), "Tester#50");
    EXPECT_EQ(ActiveFormClass(), "TRecordsListF");
    EXPECT_NE(RecordsText().find(" 6. Tester                0:00:50"), std::string::npos) << RecordsText();
    CloseRecords();
    EXPECT_EQ(ActiveDialogText(), "Начать новую игру?");
}

TEST_F(WinTest, TheDigitKeyThatAnswersTheLastCellTypesNothingIntoTheNamePrompt) {
    Start();
    const int last = HiddenCells().back();
    SolveAllBut(last);
    ClickCell(last);
    ASSERT_TRUE(ChooserShown());
    Ui([] { Form1->Seconds = 42; });
    // As a desktop delivers a key: down, the character it types, up.
    const int digit = ValueOf(last);
    const UINT vk = static_cast<UINT>('0' + digit);
    Driver().Key(vk, true);
    Driver().Type(std::to_string(digit));
    Driver().Key(vk, false);
    EXPECT_EQ(ActiveCaption(), "Вы победили!!!!!!!");
    Driver().Type("Tester");
    PressEnter();
    EXPECT_EQ(StoredPlain(6), "Tester#42");
}
