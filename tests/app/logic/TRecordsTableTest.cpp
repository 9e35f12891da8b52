// The records table: the win step's decisions, stored form, list lines and bad stored times.
#include "app/logic/ScrambleText.h"
#include "app/logic/TRecordsTable.h"

#include "platform/system/CodePage.h"
#include "platform/system/IniFile.h"
#include "tests/platform/system/TempFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class TMemoryStore : public TKeyValueStore {
public:
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) override {
        const auto it = FValues.find(section + "/" + key);
        return it == FValues.end() ? defaultValue : it->second;
    }
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
        FValues[section + "/" + key] = value;
        ++Writes;
    }
    std::string Plain(int place) { return ScrambleText(FValues["rec/" + std::to_string(place)], static_cast<std::uint8_t>(place)); }
    void PutPlain(int place, const std::string& text) {
        FValues["rec/" + std::to_string(place)] = ScrambleText(text, static_cast<std::uint8_t>(place));
    }

    int Writes = 0;

private:
    std::map<std::string, std::string> FValues;
};

class TIniStore : public TKeyValueStore {
public:
    explicit TIniStore(const std::string& path) : FIni(path) {}
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) override {
        return FIni.ReadString(section, key, defaultValue);
    }
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
        if (!FIni.WriteString(section, key, value)) throw std::runtime_error("Unable to write to " + FIni.FileName());
    }

private:
    IniFile FIni;
};

const std::string Hyphens(20, '-');

} // namespace

TEST(TRecordsTable, AFirstWinAsksForANameAgainstTheEmptyPlaceAndListsIt) {
    TMemoryStore store;
    TRecordsTable table(store);
    const TWinCheck check = table.CheckWin(5, 200);
    EXPECT_EQ(check.Place, 6);
    EXPECT_TRUE(check.IsRecord);
    EXPECT_EQ(check.Prompt, "Вы показали результат 0:03:20 (200 сек.)\r\nЭто лучше предыдущего 0:00:00 (0 сек.) "
                            "который показал(а) --------------------.\r\nВведите свое имя:");
    EXPECT_EQ(store.Writes, 0) << "judging a win writes nothing";
    ASSERT_TRUE(table.StoreWinner(check.Place, "Аня", 200));
    EXPECT_EQ(store.Plain(6), "Аня#200");

    std::vector<std::string> lines;
    table.AppendLines(lines);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], " 1. " + Hyphens + "  0:00:00");
    EXPECT_EQ(lines[5], " 6. Аня" + std::string(17, ' ') + "  0:03:20");
    EXPECT_EQ(lines[9], "10. " + Hyphens + "  0:00:00");
}

TEST(TRecordsTable, OnlyAStrictlyBetterTimeIsARecord) {
    TMemoryStore store;
    TRecordsTable table(store);
    store.PutPlain(6, "Аня#200");
    const TWinCheck equal = table.CheckWin(5, 200);
    EXPECT_FALSE(equal.IsRecord);
    EXPECT_TRUE(equal.Prompt.empty());
    EXPECT_FALSE(table.CheckWin(5, 500).IsRecord);
    const TWinCheck better = table.CheckWin(5, 199);
    EXPECT_TRUE(better.IsRecord);
    EXPECT_EQ(better.Previous.Name, "Аня");
    EXPECT_EQ(better.Previous.Best, 200);
    EXPECT_NE(better.Prompt.find("0:03:20 (200 сек.) который показал(а) Аня."), std::string::npos);
    EXPECT_TRUE(table.CheckWin(4, 9999).IsRecord) << "other difficulties have their own places";
}

TEST(TRecordsTable, PlacesRunFromTheHardestDifficulty) {
    TMemoryStore store;
    TRecordsTable table(store);
    EXPECT_EQ(TRecordsTable::PlaceOf(10), 1);
    EXPECT_EQ(TRecordsTable::PlaceOf(1), 10);
    ASSERT_TRUE(table.StoreWinner(table.CheckWin(10, 300).Place, "Ivan", 300));
    EXPECT_EQ(store.Plain(1), "Ivan#300");
    EXPECT_THROW(table.ReadPlace(0), std::out_of_range);
    EXPECT_THROW(table.ReadPlace(11), std::out_of_range);
}

TEST(TRecordsTable, ATimeOfZeroIsStoredButReadsAsAnEmptyPlace) {
    TMemoryStore store;
    TRecordsTable table(store);
    ASSERT_TRUE(table.StoreWinner(3, "Speedy", 0));
    EXPECT_EQ(store.Plain(3), "Speedy#0");
    const TWinCheck later = table.CheckWin(8, 5000);
    EXPECT_TRUE(later.IsRecord);
    EXPECT_EQ(later.Previous.Name, "Speedy");
}

TEST(TRecordsTable, NamesAreTrimmedAndAnEmptyNameStoresNothing) {
    TMemoryStore store;
    TRecordsTable table(store);
    ASSERT_TRUE(table.StoreWinner(2, "  Анна  Мария \t", 61));
    EXPECT_EQ(store.Plain(2), "Анна  Мария#61");
    EXPECT_FALSE(table.StoreWinner(4, "", 10));
    EXPECT_FALSE(table.StoreWinner(4, " \t\r\n", 10));
    EXPECT_EQ(store.Writes, 1);
}

TEST(TRecordsTable, NamesThatWouldBreakTheirRecordAreMadeSafe) {
    TMemoryStore store;
    TRecordsTable table(store);
    ASSERT_TRUE(table.StoreWinner(5, "Игрок#1", 77));
    EXPECT_EQ(table.ReadPlace(5).Name, "Игрок_1");
    EXPECT_EQ(table.ReadPlace(5).Best, 77);
    ASSERT_TRUE(table.StoreWinner(5, "a\tb\nc", 78));
    EXPECT_EQ(table.ReadPlace(5).Name, "a b c");
}

TEST(TRecordsTable, AnUnreadableTimeIsListedAsItStandsAndAnyWinReplacesIt) {
    TMemoryStore store;
    TRecordsTable table(store);
    store.PutPlain(4, "Hacker#12abc");
    store.PutPlain(5, "Мастер#30");
    std::vector<std::string> lines;
    table.AppendLines(lines);
    ASSERT_EQ(lines.size(), 10u) << "the places after a broken one are listed as well";
    EXPECT_EQ(lines[3], " 4. Hacker" + std::string(14, ' ') + "    12abc");
    EXPECT_EQ(lines[4], " 5. Мастер" + std::string(14, ' ') + "  0:00:30");
    const TRecordPlace broken = table.ReadPlace(4);
    EXPECT_FALSE(broken.Readable);
    EXPECT_EQ(broken.TimeText, "12abc");

    const TWinCheck slow = table.CheckWin(7, 99999);
    EXPECT_TRUE(slow.IsRecord) << "an unreadable time ranks after every real one";
    EXPECT_NE(slow.Prompt.find("лучше предыдущего 12abc (12abc сек.) который показал(а) Hacker."), std::string::npos)
        << slow.Prompt;
    ASSERT_TRUE(table.StoreWinner(slow.Place, "Вера", 99999));
    EXPECT_EQ(store.Plain(4), "Вера#99999");
    EXPECT_TRUE(table.ReadPlace(4).Readable);

    // A name that held "#" splits at the wrong place; a value without "#" is all time text.
    store.PutPlain(2, "Хитрец#1#2");
    store.PutPlain(3, "no hash at all");
    EXPECT_EQ(table.ReadPlace(2).Name, "Хитрец");
    EXPECT_EQ(TRecordsTable::FormatLine(2, table.ReadPlace(2)), " 2. Хитрец" + std::string(14, ' ') + "      1#2");
    EXPECT_EQ(TRecordsTable::FormatLine(3, table.ReadPlace(3)), " 3. " + std::string(20, ' ') + " no hash at all");
    EXPECT_TRUE(table.CheckWin(8, 1).IsRecord);
    EXPECT_TRUE(table.CheckWin(9, 1).IsRecord);
}

TEST(TRecordsTable, ANegativeStoredTimeRanksAfterEveryRealOne) {
    TMemoryStore store;
    TRecordsTable table(store);
    store.PutPlain(6, "Читер#-5");
    const TRecordPlace stored = table.ReadPlace(6);
    EXPECT_TRUE(stored.Readable);
    EXPECT_EQ(stored.Best, -5);
    EXPECT_EQ(TRecordsTable::FormatLine(6, stored), " 6. Читер" + std::string(15, ' ') + " -0:00:05");
    const TWinCheck win = table.CheckWin(5, 3600);
    EXPECT_TRUE(win.IsRecord);
    EXPECT_NE(win.Prompt.find("предыдущего -0:00:05 (-5 сек.) который показал(а) Читер."), std::string::npos) << win.Prompt;
    ASSERT_TRUE(table.StoreWinner(win.Place, "Честный", 3600));
    EXPECT_FALSE(table.CheckWin(5, 3600).IsRecord) << "the real time now holds the place";
}

TEST(TRecordsTable, ListLinesPadNamesByCharactersAndNeverCutThem) {
    TRecordPlace record{"Ёжик", "4000", 4000};
    EXPECT_EQ(TRecordsTable::FormatLine(7, record), " 7. Ёжик" + std::string(16, ' ') + "  1:06:40");
    record.Name = "Константин Константинопольский";
    EXPECT_EQ(TRecordsTable::FormatLine(10, record), "10. Константин Константинопольский  1:06:40");
    record.Best = 360000;
    EXPECT_TRUE(TRecordsTable::FormatLine(1, record).ends_with(" 100:00:00"));
}

TEST(TRecordsTable, CyrillicNamesSurviveTheSettingsFileAndARestart) {
    TempFolder folder;
    const std::string path = folder.Path("settings.ini");
    {
        TIniStore store(path);
        TRecordsTable table(store);
        ASSERT_TRUE(table.StoreWinner(6, "Пётр Ильич", 200));
        ASSERT_TRUE(table.StoreWinner(1, "!Bang", 900)) << "scrambles to a leading space";
        ASSERT_TRUE(table.StoreWinner(2, "\"Quoted\"", 950)) << "scrambles to a leading space as well";
    }
    const std::string disk = TempFolder::Get(path);
    EXPECT_EQ(disk.find(Utf8ToCp1251("Пётр")), std::string::npos) << "names are not stored in plain text";
    EXPECT_EQ(disk.find("Пётр"), std::string::npos) << "the file is Windows-1251, not UTF-8";

    TIniStore reopened(path);
    TRecordsTable table(reopened);
    EXPECT_EQ(table.ReadPlace(6).Name, "Пётр Ильич");
    EXPECT_EQ(table.ReadPlace(6).Best, 200);
    EXPECT_EQ(table.ReadPlace(1).Name, "!Bang");
    EXPECT_EQ(table.ReadPlace(2).Name, "\"Quoted\"");
    EXPECT_EQ(table.ReadPlace(2).Best, 950);
}

TEST(TRecordsTable, AnOverlongNameStillReadsBackWithItsTime) {
    TempFolder folder;
    TIniStore store(folder.Path("settings.ini"));
    TRecordsTable table(store);
    std::string name;
    for (int i = 0; i < 3000; ++i) name += "щ";
    ASSERT_TRUE(table.StoreWinner(9, name, 12345));
    const TRecordPlace place = table.ReadPlace(9);
    EXPECT_EQ(place.Best, 12345);
    EXPECT_EQ(CharCount(place.Name), 2047u - 1 - 5);
}
