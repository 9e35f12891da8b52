// The generator: valid grids for many seeds, reveal counts, uniform random picks, range errors.
#include "puzzle/EElementCount.h"
#include "puzzle/TElements.h"

#include "platform/system/RandomGenerator.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <vector>

namespace {

// Sum over the counts of (observed − expected)² / expected, all outcomes equally likely.
double ChiSquare(const std::vector<int>& counts) {
    const double total = std::accumulate(counts.begin(), counts.end(), 0.0);
    const double expected = total / static_cast<double>(counts.size());
    double sum = 0;
    for (int count : counts) sum += (count - expected) * (count - expected) / expected;
    return sum;
}

// Every row, column and block holds each digit 1..9 exactly once.
::testing::AssertionResult IsCompleteSudoku(const TElements& e) {
    for (int unit = 0; unit < 9; ++unit) {
        std::array<int, 3> seen{}; // bit sets of row, column and block
        for (int i = 0; i < 9; ++i) {
            const int blockColumn = unit % 3 * 3 + i % 3 + 1;
            const int blockRow = unit / 3 * 3 + i / 3 + 1;
            seen[0] |= 1 << e.Solution[i + 1][unit + 1];
            seen[1] |= 1 << e.Solution[unit + 1][i + 1];
            seen[2] |= 1 << e.Solution[blockColumn][blockRow];
        }
        for (int kind = 0; kind < 3; ++kind) {
            if (seen[kind] != TElements::FullSet)
                return ::testing::AssertionFailure() << "unit " << unit << " of kind " << kind << " is " << seen[kind];
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult IsReset(const TElements& e) {
    for (int i = 1; i <= 9; ++i) {
        if (e.RowMask[i] != TElements::FullSet || e.ColMask[i] != TElements::FullSet)
            return ::testing::AssertionFailure() << "row or column mask " << i;
        if (e.BoxMask[TElements::BoxOf(i)][(i + 2) % 3 + 1] != TElements::FullSet)
            return ::testing::AssertionFailure() << "block mask " << i;
        for (int j = 1; j <= 9; ++j) {
            if (e.Solution[i][j] != 0) return ::testing::AssertionFailure() << "cell " << i << "," << j;
        }
    }
    return ::testing::AssertionSuccess();
}

int RevealedCount(const TElements& e) {
    return static_cast<int>(std::count(e.Revealed.begin(), e.Revealed.end(), true));
}

} // namespace

TEST(TElements, BoxOfGroupsRowsAndColumnsByThree) {
    const std::array<int, 9> expected{1, 1, 1, 2, 2, 2, 3, 3, 3};
    for (int v = 1; v <= 9; ++v) EXPECT_EQ(TElements::BoxOf(v), expected[v - 1]) << v;
}

TEST(TElements, ConstructionAndResetLeaveEmptyGridAndFullMasks) {
    RandSeed(5);
    TElements elements;
    EXPECT_TRUE(IsReset(elements));
    elements.Generate();
    elements.Reset();
    EXPECT_TRUE(IsReset(elements));
}

TEST(TElements, EveryGeneratedGridIsACompleteSudokuWithEmptyMasks) {
    std::int64_t failedAttempts = 0;
    constexpr int seeds = 300;
    for (int seed = 1; seed <= seeds; ++seed) {
        RandSeed(static_cast<std::uint64_t>(seed));
        TElements elements;
        const std::int32_t result = elements.Generate();
        ASSERT_GE(result, 0);
        failedAttempts += result;
        ASSERT_TRUE(IsCompleteSudoku(elements)) << "seed " << seed;
        for (int i = 1; i <= 9; ++i) {
            ASSERT_EQ(elements.RowMask[i], 0) << "seed " << seed;
            ASSERT_EQ(elements.ColMask[i], 0) << "seed " << seed;
            ASSERT_EQ(elements.BoxMask[(i - 1) % 3 + 1][(i - 1) / 3 + 1], 0) << "seed " << seed;
        }
    }
    // One attempt in about 320 succeeds, so restarts are the rule, not the exception.
    EXPECT_GT(failedAttempts / seeds, 150);
    EXPECT_LT(failedAttempts / seeds, 700);
}

TEST(TElements, ASeedReplaysTheSameGridAndAnotherSeedDoesNot) {
    const auto gridFor = [](std::uint64_t seed) {
        RandSeed(seed);
        TElements elements;
        elements.Generate();
        elements.ChooseRevealed(40);
        return std::make_pair(elements.Solution, elements.Revealed);
    };
    EXPECT_EQ(gridFor(77), gridFor(77));
    EXPECT_NE(gridFor(77).first, gridFor(78).first);
}

TEST(TElements, RevealCountsFollowTheDifficulty) {
    RandSeed(11);
    TElements elements;
    for (int difficulty = 1; difficulty <= 10; ++difficulty) {
        const int hidden = 4 * difficulty + 14;
        elements.ChooseRevealed(hidden);
        EXPECT_EQ(RevealedCount(elements), 81 - hidden) << "difficulty " << difficulty;
        EXPECT_EQ(elements.HiddenCount, hidden);
    }
    elements.ChooseRevealed(18);
    EXPECT_EQ(RevealedCount(elements), 63);
    elements.ChooseRevealed(54);
    EXPECT_EQ(RevealedCount(elements), 27);
    elements.ChooseRevealed(0);
    EXPECT_EQ(RevealedCount(elements), 81);
    elements.ChooseRevealed(80);
    EXPECT_EQ(RevealedCount(elements), 1);
    EXPECT_EQ(elements.HiddenCount, 80);
}

TEST(TElements, AHiddenCountAbove80IsARangeErrorThatChangesNothing) {
    RandSeed(12);
    TElements elements;
    elements.ChooseRevealed(30);
    const auto before = elements.Revealed;
    for (int hidden : {81, 255, 256, -1}) {
        try {
            elements.ChooseRevealed(hidden);
            ADD_FAILURE() << hidden << " was accepted";
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ(error.what(), "Range check error");
        }
        EXPECT_EQ(elements.Revealed, before);
        EXPECT_EQ(elements.HiddenCount, 30);
    }
}

TEST(TElements, EveryCellIsEquallyLikelyToBeRevealed) {
    RandSeed(13);
    TElements elements;
    std::vector<int> counts(81, 0);
    for (int round = 0; round < 81 * 200; ++round) {
        elements.ChooseRevealed(80);
        for (int cell = 0; cell < 81; ++cell) counts[cell] += elements.Revealed[cell] ? 1 : 0;
    }
    EXPECT_LT(ChiSquare(counts), 124.8) << "80 degrees of freedom, p = 0.001";
}

TEST(TElements, RandomDigitPicksOnlyMembersAndEachEquallyOften) {
    RandSeed(14);
    EXPECT_EQ(TElements::RandomDigit(0), 0);
    EXPECT_EQ(TElements::RandomDigit(1 | 1 << 10 | 1 << 15), 0) << "only bits 1..9 are digits";
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(TElements::RandomDigit(static_cast<std::uint16_t>(1 << d)), d);

    std::vector<int> counts(10, 0);
    for (int i = 0; i < 90000; ++i) ++counts[TElements::RandomDigit(TElements::FullSet)];
    EXPECT_EQ(counts[0], 0);
    counts.erase(counts.begin());
    EXPECT_LT(ChiSquare(counts), 26.12) << "8 degrees of freedom, p = 0.001";

    std::vector<int> subset(10, 0);
    for (int i = 0; i < 30000; ++i) ++subset[TElements::RandomDigit(1 << 2 | 1 << 5 | 1 << 9)];
    EXPECT_EQ(subset[2] + subset[5] + subset[9], 30000);
    EXPECT_LT(ChiSquare({subset[2], subset[5], subset[9]}), 13.82) << "2 degrees of freedom, p = 0.001";
}

TEST(TElements, RandomCellPicksOnlyMembers) {
    RandSeed(15);
    EXPECT_EQ(TElements::RandomCell(TCellSet()), 0);
    for (int cell : {0, 40, 80}) EXPECT_EQ(TElements::RandomCell(TCellSet().set(cell)), cell);
    TCellSet pair;
    pair.set(3).set(77);
    std::array<int, 81> counts{};
    for (int i = 0; i < 2000; ++i) ++counts[TElements::RandomCell(pair)];
    EXPECT_EQ(counts[3] + counts[77], 2000);
    EXPECT_GT(counts[3], 850);
    EXPECT_GT(counts[77], 850);
}

TEST(EElementCount, OnlyABoardOf81CellsMayStartAGame) {
    EXPECT_NO_THROW(EElementCount::Check(81));
    for (std::size_t count : {0u, 80u, 82u}) {
        try {
            EElementCount::Check(count);
            ADD_FAILURE() << count << " cells were accepted";
        } catch (const std::exception& error) {
            EXPECT_STREQ(error.what(), "Элементов <>81");
        }
    }
}
