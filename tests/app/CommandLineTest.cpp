// The program's options: defaults, every option with good and bad values, and the combinations
// that make no sense.
#include "app/CommandLine.h"

#include "tests/platform/system/TempFolder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {
struct TParsed {
    bool Ok = false;
    CommandLine Options;
    std::string Error;
};

TParsed Parse(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"tavik-sudoku"};
    argv.insert(argv.end(), args);
    TParsed p;
    p.Ok = p.Options.Parse(static_cast<int>(argv.size()), argv.data(), &p.Error);
    return p;
}
} // namespace

TEST(CommandLine, NoOptionsMeansTheDesktopWithDefaults) {
    TParsed p = Parse({});
    ASSERT_TRUE(p.Ok);
    EXPECT_FALSE(p.Options.Headless);
    EXPECT_EQ(p.Options.Screen, (TSize{1280, 1024}));
    EXPECT_FALSE(p.Options.Seed.has_value());
    EXPECT_TRUE(p.Options.Script.empty());
    EXPECT_FALSE(p.Options.Help);
    EXPECT_FALSE(p.Options.Version);
}

TEST(CommandLine, AutomationOptionsTogether) {
    TParsed p = Parse({"--headless", "--screen", "800X600", "--seed", "4294967295", "--script", "run.txt"});
    ASSERT_TRUE(p.Ok) << p.Error;
    EXPECT_TRUE(p.Options.Headless);
    EXPECT_EQ(p.Options.Screen, (TSize{800, 600}));
    EXPECT_EQ(p.Options.Seed, 4294967295u);
    EXPECT_EQ(p.Options.Script, "run.txt");
    EXPECT_TRUE(Parse({"--help"}).Options.Help);
    EXPECT_TRUE(Parse({"-h"}).Options.Help);
    EXPECT_TRUE(Parse({"--version"}).Options.Version);
}

TEST(CommandLine, ScreenSizesFromSixtyFourToSixteenThousandOnly) {
    EXPECT_EQ(Parse({"--screen", "64x16384"}).Options.Screen, (TSize{64, 16384}));
    for (const char* bad : {"63x600", "800x16385", "800", "800x", "x600", "-800x600", "+800x600", "800x600x2",
                            "80 0x600", ""}) {
        TParsed p = Parse({"--screen", bad});
        EXPECT_FALSE(p.Ok) << bad;
        EXPECT_NE(p.Error.find("--screen"), std::string::npos) << bad;
    }
    EXPECT_FALSE(Parse({"--screen"}).Ok);
}

TEST(CommandLine, SeedsAreWholeNumbersThatFitThirtyTwoBits) {
    EXPECT_EQ(Parse({"--seed", "0"}).Options.Seed, 0u);
    for (const char* bad : {"4294967296", "-1", "12a", "1.5", "", " 7"}) {
        TParsed p = Parse({"--seed", bad});
        EXPECT_FALSE(p.Ok) << bad;
        EXPECT_NE(p.Error.find("--seed"), std::string::npos) << bad;
    }
    EXPECT_FALSE(Parse({"--seed"}).Ok);
}

TEST(CommandLine, ScriptsRunOnlyHeadlessAndNeedAName) {
    TParsed desktop = Parse({"--script", "run.txt"});
    EXPECT_FALSE(desktop.Ok);
    EXPECT_NE(desktop.Error.find("--headless"), std::string::npos);
    EXPECT_FALSE(Parse({"--headless", "--script", ""}).Ok);
    EXPECT_FALSE(Parse({"--headless", "--script"}).Ok);
}

TEST(CommandLine, AScriptThatIsAFolderIsRefusedByName) {
    TempFolder folder;
    const std::string path = folder.Root().string();
    TParsed p = Parse({"--headless", "--script", path.c_str()});
    EXPECT_FALSE(p.Ok);
    EXPECT_NE(p.Error.find("'" + path + "' is a folder"), std::string::npos) << p.Error;
    const std::string file = folder.Path("run.txt");
    TempFolder::Put(file, "quit\n");
    EXPECT_TRUE(Parse({"--headless", "--script", file.c_str()}).Ok);
}

TEST(CommandLine, UnknownOptionsAreNamedAndErrorsNeedNoErrorText) {
    TParsed p = Parse({"--headless", "--fullscreen"});
    EXPECT_FALSE(p.Ok);
    EXPECT_NE(p.Error.find("'--fullscreen'"), std::string::npos);
    const char* argv[] = {"tavik-sudoku", "--bogus"};
    CommandLine options;
    EXPECT_FALSE(options.Parse(2, argv, nullptr));
}

TEST(CommandLine, ASkinNameIsTakenWholeOnBothBackEnds) {
    TParsed desktop = Parse({"--skin", "Wood (internal)"});
    ASSERT_TRUE(desktop.Ok) << desktop.Error;
    EXPECT_EQ(desktop.Options.Skin, "Wood (internal)");
    EXPECT_EQ(Parse({"--headless", "--skin", "--seed"}).Options.Skin, "--seed");
    EXPECT_TRUE(Parse({}).Options.Skin.empty());
    for (std::initializer_list<const char*> bad : {std::initializer_list<const char*>{"--skin"}, {"--skin", ""}}) {
        TParsed p = Parse(bad);
        EXPECT_FALSE(p.Ok);
        EXPECT_NE(p.Error.find("--skin"), std::string::npos);
    }
}
