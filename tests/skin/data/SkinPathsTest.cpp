// Trailing separators and resolving the skins directory.
#include "skin/data/SkinPaths.h"

#include <gtest/gtest.h>

TEST(SkinPaths, WithTrailingBackslashAddsOneSeparator) {
    EXPECT_EQ(WithTrailingBackslash(""), "");
    EXPECT_EQ(WithTrailingBackslash("/usr/share/skins/"), "/usr/share/skins/");
    EXPECT_EQ(WithTrailingBackslash("/usr/share/skins"), "/usr/share/skins/");
    EXPECT_EQ(WithTrailingBackslash("Skins\\"), "Skins/");
    EXPECT_EQ(WithTrailingBackslash("S"), "S/");
}

TEST(SkinPaths, ResolvesRelativeValuesAgainstTheProgramFolder) {
    const char* program = "/opt/tavik/bin/";
    EXPECT_EQ(ResolveSkinDirectory("Skins", program), "/opt/tavik/bin/Skins/");
    EXPECT_EQ(ResolveSkinDirectory(".\\Skins", program), "/opt/tavik/bin/Skins/");
    EXPECT_EQ(ResolveSkinDirectory("./Skins", program), "/opt/tavik/bin/Skins/");
    EXPECT_EQ(ResolveSkinDirectory("..\\Skins", program), "/opt/tavik/Skins/");
    EXPECT_EQ(ResolveSkinDirectory("../Skins/", program), "/opt/tavik/Skins/");
    // Only the first ".." is resolved.
    EXPECT_EQ(ResolveSkinDirectory("../../Skins", program), "/opt/tavik/../Skins/");
    EXPECT_EQ(ResolveSkinDirectory("/srv/skins", program), "/srv/skins/");
    EXPECT_EQ(ResolveSkinDirectory("\\\\server\\share\\Skins", program), "//server/share/Skins/");
    EXPECT_EQ(ResolveSkinDirectory("d:\\Skins", program), "d:/Skins/");
    EXPECT_EQ(ResolveSkinDirectory("Skins", "/opt/tavik/bin"), "/opt/tavik/bin/Skins/");
}
