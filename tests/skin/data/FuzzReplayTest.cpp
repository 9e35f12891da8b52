// Replays the skin fuzzers' seed corpus through the same harness the fuzzers run.
#include "fuzz/skin/SkinFuzzHarness.h"

#include "skin/data/SkinFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

std::map<std::string, std::vector<std::uint8_t>> Corpus(const std::string& kind) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::filesystem::path dir = std::filesystem::path(TAVIK_SOURCE_DIR) / "fuzz" / "skin" / "corpus" / kind;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        ReadWholeFile(entry.path().string(), files[entry.path().filename().string()]);
    }
    return files;
}

} // namespace

TEST(SkinFuzzReplay, ArchiveSeedsLoadOrAreRejected) {
    auto corpus = Corpus("archive");
    ASSERT_GE(corpus.size(), 4u);
    TSkinFuzzSummary full = FuzzSkinArchive(corpus["valid-full.asz"].data(), corpus["valid-full.asz"].size());
    EXPECT_TRUE(full.HasOptions);
    EXPECT_EQ(full.Sections, 4u);
    EXPECT_EQ(full.Images, 8u);
    EXPECT_EQ(FuzzSkinArchive(corpus["valid-minimal.asz"].data(), corpus["valid-minimal.asz"].size()).Sections, 3u);
    EXPECT_FALSE(FuzzSkinArchive(corpus["bad-magic.asz"].data(), corpus["bad-magic.asz"].size()).HasOptions);
    for (const auto& [name, bytes] : corpus) {
        for (std::size_t cut = 0; cut <= bytes.size(); cut += 7) FuzzSkinArchive(bytes.data(), cut);
    }
}

TEST(SkinFuzzReplay, OptionSeedsParse) {
    auto corpus = Corpus("options");
    ASSERT_GE(corpus.size(), 4u);
    TSkinFuzzSummary full = FuzzSkinOptions(corpus["full.txt"].data(), corpus["full.txt"].size());
    EXPECT_EQ(full.Sections, 4u);
    // Without images at hand the file forms make no entry; the four rectangles of the master
    // bitmap do, though the master is missing.
    EXPECT_EQ(full.Images, 4u);
    EXPECT_EQ(FuzzSkinOptions(corpus["loops.txt"].data(), corpus["loops.txt"].size()).Sections, 5u);
    for (const auto& [name, bytes] : corpus) {
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) FuzzSkinOptions(bytes.data(), cut);
    }
}
