// Replays the settings-file fuzzer's seed corpus through the same harness the fuzzer runs.
#include "fuzz/platform/IniFuzzHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

using namespace std::string_literals;

namespace {

std::map<std::string, std::string> Corpus() {
    std::map<std::string, std::string> files;
    const auto dir = std::filesystem::path(TAVIK_SOURCE_DIR) / "fuzz" / "platform" / "corpus" / "ini";
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

TIniFuzzSummary Fuzz(const std::string& bytes) {
    return FuzzIniFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

TEST(IniFuzzReplay, SeedsKeepEveryPromise) {
    auto corpus = Corpus();
    ASSERT_GE(corpus.size(), 5u);
    for (const auto& [name, bytes] : corpus) {
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            EXPECT_EQ(Fuzz(bytes.substr(0, cut)).Finding, "") << name << " cut at " << cut;
        }
    }
    const TIniFuzzSummary settings = Fuzz(corpus["settings.ini"]);
    EXPECT_EQ(settings.Sections, 3u);
    EXPECT_EQ(settings.Keys, 12u);
    EXPECT_TRUE(settings.Written);
    EXPECT_TRUE(Fuzz(corpus["write-quoted.ini"]).Written);
    EXPECT_TRUE(Fuzz(corpus["write-new-section.ini"]).Written);
}

TEST(IniFuzzReplay, BrokenPromisesAreFound) {
    // A write the facility refuses is not a finding, and neither is a file it cannot list.
    EXPECT_FALSE(Fuzz("[a]\nk=1\n\0a\0k\0two\nlines"s).Written);
    // The checks themselves can fail: a document is compared with what it promised.
    inifuzz::TValues before{{{"a", "k"}, "1"}, {{"a", "other"}, "2"}};
    IniDocument changed("[a]\nk=1\nother=3\n");
    EXPECT_NE(inifuzz::CompareOthers(changed, before, "a", "k", false), "");
    EXPECT_EQ(inifuzz::CompareOthers(changed, before, "a", "", true), "");
}
