// The shell's open: one argument, no shell in between, failures reported.
#include "platform/system/ShellLauncher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

TEST(ShellLauncher, TargetsThatLookLikeOptionsArePathsToTheOpener) {
    EXPECT_EQ(ShellLauncher::Argument("-rf"), "./-rf");
    EXPECT_EQ(ShellLauncher::Argument("https://example.org/a b"), "https://example.org/a b");
    EXPECT_EQ(ShellLauncher::Argument("/tmp/-x"), "/tmp/-x");
}

TEST(ShellLauncher, NothingToOpenOrNoOpenerIsAFailure) {
    EXPECT_FALSE(ShellLauncher("touch").Open(""));
    EXPECT_FALSE(ShellLauncher("tavik-no-such-opener").Open("/tmp"));
}

// touch stands in for the opener: the file it makes carries the exact argument it was given.
TEST(ShellLauncher, TheTargetReachesTheOpenerAsOneArgumentUntouchedByAShell) {
    fs::path dir = fs::temp_directory_path() / ("tavik-shell-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::path odd = dir / "a b;echo x>$HOME 'q'";
    ASSERT_TRUE(ShellLauncher("touch").Open(odd.string()));
    for (int i = 0; i < 500 && !fs::exists(odd); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(fs::exists(odd));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}
