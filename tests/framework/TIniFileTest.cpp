// TIniFile: Cyrillic in Windows-1251 on disk, section lists, and a failed write that loses nothing.
#include "framework/Exception.h"
#include "framework/TIniFile.h"
#include "framework/TStringList.h"

#include "tests/framework/FrameworkTestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<std::string> Items(const TStrings& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
    return out;
}

} // namespace

TEST(TIniFileTest, CyrillicValuesRoundTripThroughWindows1251) {
    TScratchFolder folder;
    const std::string path = folder.Path("settings.ini");
    {
        TIniFile ini(path);
        ini.WriteString("settings", "skinname", "Пустыня");
        ini.WriteString("rec", "1", "Ёжик#123");
        ini.WriteInteger("global", "difficult", 7);
        ini.WriteBool("global", "trening", true);
    }
    const std::string disk = TScratchFolder::Get(path);
    EXPECT_NE(disk.find("skinname=\xCF\xF3\xF1\xF2\xFB\xED\xFF"), std::string::npos) << "one byte per letter on disk";
    EXPECT_EQ(disk.find("Пустыня"), std::string::npos);

    const TIniFile ini(path);
    EXPECT_EQ(ini.FileName(), path);
    EXPECT_EQ(ini.ReadString("SETTINGS", "SkinName", ""), "Пустыня");
    EXPECT_EQ(ini.ReadString("rec", "1", ""), "Ёжик#123");
    EXPECT_EQ(ini.ReadInteger("global", "difficult", 5), 7);
    EXPECT_TRUE(ini.ReadBool("global", "trening", false));
    EXPECT_EQ(ini.ReadInteger("global", "missing", 5), 5);
    EXPECT_EQ(ini.ReadString("settings", "skinname2", "Desert (internal)"), "Desert (internal)");
}

TEST(TIniFileTest, SectionsKeysAndValuesAsStringLists) {
    TScratchFolder folder;
    TScratchFolder::Put(folder.Path("s.ini"),
                        {'[', 'a', ']', '\n', 'x', '=', '1', '\n', 'y', '=', '$', '1', 'F', '\n', '[', 'b', ']', '\n',
                         'z', '=', 'q', '\n'});
    TIniFile ini(folder.Path("s.ini"));
    TStringList list;
    list.Add("stale");
    ini.ReadSections(list);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b"}));
    ini.ReadSection("A", list);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"x", "y"}));
    ini.ReadSectionValues("a", list);
    EXPECT_EQ(list.Values("y"), "$1F");
    EXPECT_EQ(ini.ReadInteger("a", "y", 0), 31);
    EXPECT_EQ(ini.ReadInteger("b", "z", -4), -4) << "not a number: the default";

    EXPECT_TRUE(ini.SectionExists("B"));
    EXPECT_TRUE(ini.ValueExists("a", "X"));
    ini.DeleteKey("a", "x");
    EXPECT_FALSE(ini.ValueExists("a", "x"));
    ini.EraseSection("b");
    EXPECT_FALSE(ini.SectionExists("b"));
    EXPECT_EQ(ini.ReadInteger("a", "y", 0), 31);
}

TEST(TIniFileTest, AFailedWriteNamesTheFileAndLosesNothingStored) {
    TScratchFolder folder;
    const std::string path = folder.Path("settings.ini");
    TIniFile ini(path);
    ini.WriteString("settings", "skinname", "Пустыня");
    ini.WriteInteger("settings", "sectw", 10);
    const std::string before = TScratchFolder::Get(path);

    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder.Root(), fs::perms::owner_read | fs::perms::owner_exec);

    const auto expectRefused = [&](const std::function<void()>& write) {
        try {
            write();
            ADD_FAILURE() << "a write to a read-only file passed";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + path);
        }
    };
    expectRefused([&] { ini.WriteString("settings", "skinname", "Золото"); });
    expectRefused([&] { ini.WriteInteger("settings", "hueoffset", 90); });
    expectRefused([&] { ini.WriteBool("settings", "useskin", true); });
    expectRefused([&] { ini.EraseSection("settings"); });
    expectRefused([&] { ini.DeleteKey("settings", "sectw"); });
    EXPECT_FALSE(ini.LastError().empty());

    EXPECT_EQ(TScratchFolder::Get(path), before);
    EXPECT_EQ(ini.ReadString("settings", "skinname", ""), "Пустыня");
    EXPECT_EQ(ini.ReadInteger("settings", "sectw", 0), 10);
    EXPECT_FALSE(ini.ValueExists("settings", "hueoffset"));
}
