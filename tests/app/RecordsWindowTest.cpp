// The records window from the menu: ten places with the best difficulty first, empty places as
// hyphens, and a place whose stored time is broken listed as it stands.
#include "tests/app/GameFixture.h"

#include "app/TRecordsListF.h"
#include "app/logic/ScrambleText.h"
#include "framework/TIniFile.h"
#include "framework/TMainMenu.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsMemo.h"

class RecordsWindowTest : public GameTest {
protected:
    void PutRecord(int place, const std::string& plain) {
        TIniFile ini(SettingsPath());
        ini.WriteString("rec", std::to_string(place), ScrambleText(plain, static_cast<std::uint8_t>(place)));
    }
    std::vector<std::string> Lines() {
        const std::string text = Ui([] { return RecordsListF->RecordsM->Text(); });
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        if (start < text.size()) lines.push_back(text.substr(start));
        return lines;
    }
};

TEST_F(RecordsWindowTest, TheMenuShowsTenPlacesHardestFirst) {
    PutRecord(1, "Мастер#3605");
    PutRecord(10, "Новичок#61");
    Start();
    ClickMenu(2);
    EXPECT_EQ(ActiveFormClass(), "TRecordsListF");
    EXPECT_EQ(ActiveCaption(), "Таблица рекордов");
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], " 1. Мастер                1:00:05");
    EXPECT_EQ(lines[4], " 5. --------------------  0:00:00");
    EXPECT_EQ(lines[9], "10. Новичок               0:01:01");
    // "Закрыть" closes it, centred below the list.
    const auto [button, form] = Ui([] { return std::make_pair(RecordsListF->OkB->BoundsRect(), RecordsListF->Width()); });
    EXPECT_EQ(button.Left, form / 2 - button.Width() / 2);
    const TPoint at = Ui([] { return RecordsListF->OkB->ClientToScreen({5, 5}); });
    Driver().Click(at.X, at.Y);
    EXPECT_EQ(ActiveFormClass(), "TForm1");
}

TEST_F(RecordsWindowTest, BrokenPlacesAreListedAsTheyStandAmongTheOthers) {
    PutRecord(1, "Мастер#10");
    PutRecord(2, "Хитрец#1#2");
    PutRecord(3, "Читер#-7");
    PutRecord(4, "Мудрец#40");
    Start();
    ClickMenu(2);
    EXPECT_EQ(ActiveFormClass(), "TRecordsListF") << "no error report comes first";
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], " 1. Мастер                0:00:10");
    EXPECT_EQ(lines[1], " 2. Хитрец                    1#2");
    EXPECT_EQ(lines[2], " 3. Читер                -0:00:07");
    EXPECT_EQ(lines[3], " 4. Мудрец                0:00:40");
    EXPECT_EQ(lines[9], "10. --------------------  0:00:00");
}
