// The settings file the program writes: Windows-1251 bytes that a plain INI reader understands,
// and a Cyrillic winner's name that survives scrambling, the file and a restart.
#include "tests/app/GameFixture.h"

#include "app/TRecordsListF.h"
#include "app/logic/ScrambleText.h"
#include "platform/system/CodePage.h"
#include "skin/controls/TsMemo.h"

#include <fstream>
#include <iterator>
#include <map>

namespace {

// The simplest reader of INI text there is: "[section]" lines and "key=value" lines, both
// trimmed of blanks, a value in double quotes unquoted.
std::map<std::string, std::string> PlainIni(const std::string& text) {
    std::map<std::string, std::string> values;
    std::string section, line;
    auto trim = [](std::string s) {
        while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
        while (!s.empty() && s.front() == ' ') s.erase(0, 1);
        return s;
    };
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        line = trim(text.substr(start, end - start));
        start = end + 1;
        if (line.size() > 1 && line.front() == '[' && line.back() == ']') section = line.substr(1, line.size() - 2);
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || line.front() == '[') continue;
        std::string value = trim(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        values[section + "/" + trim(line.substr(0, eq))] = value;
    }
    return values;
}

bool IsUtf8Cyrillic(const std::string& bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        if ((a == 0xD0 || a == 0xD1) && b >= 0x80 && b <= 0xBF) return true;
    }
    return false;
}

} // namespace

class SettingsFileTest : public GameTest {
protected:
    void WinAndName(const std::string& name) {
        WinIn(321);
        Driver().Type(name);
        PressEnter();
    }
};

TEST_F(SettingsFileTest, ACyrillicNameIsStoredInWindows1251AndSurvivesARestart) {
    Start();
    WinAndName("Ёлка Щукина");
    Quit();

    std::ifstream in(SettingsPath(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_FALSE(IsUtf8Cyrillic(bytes));
    const auto values = PlainIni(bytes);
    ASSERT_TRUE(values.count("rec/6"));
    // Unscrambled byte by byte in Windows-1251, as the file holds it.
    std::string plain = values.at("rec/6");
    for (char& c : plain) c = static_cast<char>(c ^ 6);
    EXPECT_EQ(Cp1251ToUtf8(plain), "Ёлка Щукина#321");

    Start(99);
    ClickMenu(2);
    const std::string table = Ui([] { return RecordsListF->RecordsM->Text(); });
    EXPECT_NE(table.find(" 6. Ёлка Щукина           0:05:21"), std::string::npos) << table;
}

TEST_F(SettingsFileTest, ANameWhoseScrambledFormStartsWithASpaceOrQuoteReadsBackWhole) {
    // At place 6, "&" scrambles to a space and "$" to a quotation mark; both lead the value.
    Start();
    WinAndName("&Ampersand");
    Quit();
    Start(5);
    ClickMenu(2);
    const std::string table = Ui([] { return RecordsListF->RecordsM->Text(); });
    EXPECT_NE(table.find(" 6. &Ampersand            0:05:21"), std::string::npos) << table;
}
