// The INI facility against real files: encoding on disk, reading rules, preserved lines, failures.
#include "platform/system/IniFile.h"

#include "tests/platform/system/FileSizeLimit.h"
#include "tests/platform/system/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    std::string Path() const { return FFolder.Path("settings.ini"); }
    void Put(const std::string& bytes) const { TempFolder::Put(Path(), bytes); }
    std::string Disk() const { return TempFolder::Get(Path()); }

    TempFolder FFolder;
};

} // namespace

TEST_F(IniFileTest, CyrillicIsStoredAsWindows1251AndReadBackAsUtf8) {
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteString("settings", "skinname", "Пустыня")) << ini.LastError();
    ASSERT_TRUE(ini.WriteString("rec", "Имя", "Ёжик")) << ini.LastError();
    EXPECT_EQ(Disk(), "[settings]\r\nskinname=\xCF\xF3\xF1\xF2\xFB\xED\xFF\r\n\r\n"
                      "[rec]\r\n\xC8\xEC\xFF=\xA8\xE6\xE8\xEA\r\n");
    EXPECT_EQ(IniFile(Path()).ReadString("settings", "skinname", ""), "Пустыня");
    EXPECT_EQ(ini.ReadString("REC", "иМЯ", ""), "Ёжик") << "Cyrillic names match in any letter case";
}

TEST_F(IniFileTest, ReadsAsTheClassicReaderDoes) {
    Put("\xEF\xBB\xBF; comment\r\n"
        "[ Global ]\n"
        "  Difficult  =  7  \r\n"
        "Name = \"  two spaces  \"\n"
        "single='x'\n"
        "half=\"open\n"
        "empty=\n"
        "no equals sign\n"
        "[other]\n"
        "difficult=1");
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadInteger("global", "DIFFICULT", 5), 7);
    EXPECT_EQ(ini.ReadString("global", "name", ""), "  two spaces  ");
    EXPECT_EQ(ini.ReadString("global", "single", ""), "x");
    EXPECT_EQ(ini.ReadString("global", "half", ""), "\"open");
    EXPECT_EQ(ini.ReadString("global", "empty", "default"), "") << "an empty value is a value";
    EXPECT_EQ(ini.ReadString("global", "missing", "default"), "default");
    EXPECT_EQ(ini.ReadInteger("other", "difficult", 5), 1) << "the last line has no line break";
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Global", "other"}));
    EXPECT_EQ(ini.ReadSection("GLOBAL"), (std::vector<std::string>{"Difficult", "Name", "single", "half", "empty"}));
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndIsNotCreatedByReading) {
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadString("settings", "skinname", "Desert (internal)"), "Desert (internal)");
    EXPECT_EQ(ini.ReadInteger("global", "form_left", 100), 100);
    EXPECT_FALSE(ini.ReadBool("settings", "useskin", false));
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_TRUE(ini.DeleteKey("settings", "x"));
    EXPECT_TRUE(ini.EraseSection("settings"));
    EXPECT_FALSE(std::filesystem::exists(Path()));
}

TEST_F(IniFileTest, IntegersAcceptDecimalAndHexadecimalAndOtherwiseGiveTheDefault) {
    Put("[s]\nhex=0x1F\nHEX=0X10\ndollar=$FF\nneg=-16777201\nshort=0x\ngarbage=12abc\n"
        "big=99999999999\nspaced=  42  \nall=$FFFFFFFF\nblank=\n");
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadInteger("s", "hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("s", "dollar", -1), 255);
    EXPECT_EQ(ini.ReadInteger("s", "neg", 0), -16777201) << "system colours are stored negative";
    EXPECT_EQ(ini.ReadInteger("s", "short", -1), -1) << "\"0x\" has only two characters";
    EXPECT_EQ(ini.ReadInteger("s", "garbage", -1), -1);
    EXPECT_EQ(ini.ReadInteger("s", "big", -1), -1);
    EXPECT_EQ(ini.ReadInteger("s", "spaced", -1), 42);
    EXPECT_EQ(ini.ReadInteger("s", "all", 0), -1);
    EXPECT_EQ(ini.ReadInteger("s", "blank", 10), 10) << "an empty gap field reads as the default";
    ASSERT_TRUE(ini.WriteInteger("s", "written", -5));
    EXPECT_NE(Disk().find("written=-5\n"), std::string::npos);
}

TEST_F(IniFileTest, BooleansAreWrittenAsOneAndZeroAndReadAsNonZeroIntegers) {
    Put("[s]\ntwo=2\nword=yes\nzero=0\n");
    IniFile ini(Path());
    EXPECT_TRUE(ini.ReadBool("s", "two", false));
    EXPECT_FALSE(ini.ReadBool("s", "zero", true));
    EXPECT_FALSE(ini.ReadBool("s", "word", false)) << "a malformed boolean is the default";
    EXPECT_TRUE(ini.ReadBool("s", "word", true));
    ASSERT_TRUE(ini.WriteBool("s", "on", true));
    ASSERT_TRUE(ini.WriteBool("s", "off", false));
    EXPECT_EQ(Disk(), "[s]\ntwo=2\nword=yes\nzero=0\non=1\noff=0\n");
}

TEST_F(IniFileTest, StringsAreReadWithAtMost2047Characters) {
    IniFile ini(Path());
    const std::string exact(2047, 'a');
    std::string longer;
    for (int i = 0; i < 3000; ++i) longer += "ж";
    ASSERT_TRUE(ini.WriteString("s", "exact", exact));
    ASSERT_TRUE(ini.WriteString("s", "longer", longer));
    EXPECT_EQ(ini.ReadString("s", "exact", ""), exact);
    const std::string read = ini.ReadString("s", "longer", "");
    EXPECT_EQ(read.size(), 2047u * 2) << "2047 Cyrillic characters, two UTF-8 bytes each";
    EXPECT_EQ(read, longer.substr(0, 2047 * 2));
}

TEST_F(IniFileTest, WritingChangesOnlyItsOwnLine) {
    const std::string before = "; look settings\r\n[settings]\r\nUseSkin = 0 \r\n; keep me\r\nhue=5\r\n\r\n"
                               "[global]\r\ndifficult=3\r\n";
    Put(before);
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteBool("SETTINGS", "useskin", true));
    EXPECT_EQ(Disk(), "; look settings\r\n[settings]\r\nUseSkin=1\r\n; keep me\r\nhue=5\r\n\r\n"
                      "[global]\r\ndifficult=3\r\n");
    ASSERT_TRUE(ini.WriteInteger("settings", "saturation", 20));
    EXPECT_EQ(Disk(), "; look settings\r\n[settings]\r\nUseSkin=1\r\n; keep me\r\nhue=5\r\nsaturation=20\r\n\r\n"
                      "[global]\r\ndifficult=3\r\n") << "a new key joins the end of its section";
    ASSERT_TRUE(ini.WriteString("rec", "1", "x"));
    EXPECT_TRUE(Disk().ends_with("[global]\r\ndifficult=3\r\n\r\n[rec]\r\n1=x\r\n"));
}

TEST_F(IniFileTest, LineFeedFilesStayLineFeedAndAMissingFinalBreakIsMended) {
    Put("[a]\nx=1");
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteString("b", "y", "2"));
    EXPECT_EQ(Disk(), "[a]\nx=1\n\n[b]\ny=2\n");
    // Stray carriage returns at the end of a line go with its break; kept, they would make the
    // written file a CRLF one, and its next write would change every line.
    Put("[a]\nx=1\r\r");
    ASSERT_TRUE(ini.WriteString("a", "y", "2"));
    EXPECT_EQ(Disk(), "[a]\nx=1\ny=2\n");
    ASSERT_TRUE(ini.WriteString("a", "y", "3"));
    EXPECT_EQ(Disk(), "[a]\nx=1\ny=3\n");
}

TEST_F(IniFileTest, ValuesThatReadingWouldAlterComeBackUnchanged) {
    IniFile ini(Path());
    for (const std::string value : {" leading", "trailing\t", "\"quoted\"", "'single'", "\"", "\"\"", "a \"b\" c"}) {
        ASSERT_TRUE(ini.WriteString("s", "k", value)) << ini.LastError();
        EXPECT_EQ(ini.ReadString("s", "k", "?"), value);
    }
}

TEST_F(IniFileTest, LineBreaksAndBrokenNamesAreRefusedAndNothingIsWritten) {
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteString("s", "k", "v"));
    const std::string before = Disk();
    EXPECT_FALSE(ini.WriteString("s", "k", "two\r\n[injected]\r\nx=1"));
    EXPECT_NE(ini.LastError().find("line break"), std::string::npos);
    EXPECT_FALSE(ini.WriteString("s", "a=b", "v"));
    EXPECT_FALSE(ini.WriteString("s", "", "v"));
    EXPECT_FALSE(ini.WriteString("s", ";k", "v"));
    EXPECT_FALSE(ini.WriteString("a]b", "k", "v"));
    EXPECT_FALSE(ini.WriteString(" ", "k", "v"));
    EXPECT_EQ(Disk(), before);
}

TEST_F(IniFileTest, TwoObjectsOnOneFileNeverLoseEachOthersValues) {
    IniFile first(Path());
    IniFile second(Path());
    ASSERT_TRUE(first.WriteString("settings", "a", "1"));
    ASSERT_TRUE(second.WriteString("settings", "b", "2"));
    ASSERT_TRUE(first.WriteString("settings", "c", "3"));
    EXPECT_EQ(first.ReadString("settings", "b", ""), "2");
    EXPECT_EQ(second.ReadString("settings", "a", ""), "1");
    EXPECT_EQ(second.ReadString("settings", "c", ""), "3");
}

TEST_F(IniFileTest, KeysAndSectionsCanBeErased) {
    Put("[a]\nx=1\ny=2\n[b]\nz=3\n[A]\nx=4\n");
    IniFile ini(Path());
    ASSERT_TRUE(ini.DeleteKey("a", "X"));
    EXPECT_FALSE(ini.ValueExists("a", "x")) << "every copy of the key goes";
    EXPECT_EQ(ini.ReadString("a", "y", ""), "2");
    ASSERT_TRUE(ini.EraseSection("A"));
    EXPECT_FALSE(ini.SectionExists("a"));
    EXPECT_EQ(Disk(), "[b]\nz=3\n");
}

TEST_F(IniFileTest, AFileWithAByteOrderMarkStaysUtf8) {
    Put("\xEF\xBB\xBF[s]\nname=Ёж日本\n");
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadString("s", "name", ""), "Ёж日本");
    ASSERT_TRUE(ini.WriteString("s", "other", "Щ"));
    EXPECT_EQ(Disk(), "\xEF\xBB\xBF[s]\nname=Ёж日本\nother=Щ\n");
}

TEST_F(IniFileTest, AReadOnlyFileReportsTheFailureAndLosesNothing) {
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteString("rec", "6", "stored"));
    const std::string before = Disk();
    chmod(Path().c_str(), 0444);
    EXPECT_FALSE(ini.WriteString("rec", "6", "replacement"));
    EXPECT_FALSE(ini.LastError().empty());
    EXPECT_FALSE(ini.WriteString("rec", "7", "added"));
    EXPECT_FALSE(ini.DeleteKey("rec", "6"));
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(ini.ReadString("rec", "6", ""), "stored");
}

TEST_F(IniFileTest, AReadOnlyFolderReportsTheFailureOfTheFirstWrite) {
    std::filesystem::create_directory(FFolder.Path("ro"));
    chmod(FFolder.Path("ro").c_str(), 0555);
    IniFile ini(FFolder.Path("ro/settings.ini"));
    EXPECT_FALSE(ini.WriteBool("settings", "useskin", true));
    EXPECT_NE(ini.LastError().find("read-only"), std::string::npos) << ini.LastError();
    EXPECT_FALSE(std::filesystem::exists(FFolder.Path("ro/settings.ini")));
}

TEST_F(IniFileTest, AWriteThatFailsHalfWayLeavesTheOldFile) {
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteString("settings", "skinname", "Пустыня"));
    const std::string before = Disk();
    bool written = true;
    {
        FileSizeLimit limit(before.size() + 100);
        written = ini.WriteString("settings", "big", std::string(5000, 'x'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(FFolder.EntryCount(), 1u);
    EXPECT_EQ(ini.ReadString("settings", "skinname", ""), "Пустыня");
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNeverReplaced) {
    Put("[s]\nkey=value\n");
    ASSERT_EQ(truncate(Path().c_str(), IniFile::MaxFileSize + 1), 0);
    IniFile ini(Path());
    EXPECT_FALSE(ini.WriteString("s", "k", "v"));
    EXPECT_NE(ini.LastError().find("larger"), std::string::npos) << ini.LastError();
    EXPECT_EQ(std::filesystem::file_size(Path()), IniFile::MaxFileSize + 1);
}
