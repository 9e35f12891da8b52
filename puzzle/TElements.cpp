// Random row-by-row filling with restarts, and the reveal mask.
#include "puzzle/TElements.h"

#include "platform/system/RandomGenerator.h"

#include <array>
#include <stdexcept>

namespace {

// For every set of digits 1..9 (indexed by bits 1..9 shifted down by one): how many members it
// has and which they are in ascending order. The fill looks members up here about 12 000 times
// per grid, where counting bits one by one would miss the time budget.
struct TDigitTable {
    std::array<std::uint8_t, 512> Count{};
    std::array<std::array<std::uint8_t, 9>, 512> Member{};
};

constexpr TDigitTable MakeDigitTable() {
    TDigitTable table;
    for (unsigned index = 0; index < 512; ++index) {
        for (int d = 1; d <= 9; ++d) {
            if (index & (1u << (d - 1))) table.Member[index][table.Count[index]++] = static_cast<std::uint8_t>(d);
        }
    }
    return table;
}

constexpr TDigitTable DigitTable = MakeDigitTable();

int PickDigit(RandomGenerator& random, unsigned set) {
    const unsigned index = (set & TElements::FullSet) >> 1;
    const int count = DigitTable.Count[index];
    return count == 0 ? 0 : DigitTable.Member[index][random.Random(count)];
}

} // namespace

TElements::TElements() {
    Randomize();
    Reset();
}

void TElements::Reset() {
    for (auto& column : Solution) column.fill(0);
    RowMask.fill(FullSet);
    ColMask.fill(FullSet);
    for (auto& blockColumn : BoxMask) blockColumn.fill(FullSet);
}

int TElements::RandomDigit(std::uint16_t set) {
    return PickDigit(GameRandom(), set);
}

int TElements::RandomCell(const TCellSet& set) {
    const int count = static_cast<int>(set.count());
    if (count == 0) return 0;
    int k = GameRandom().Random(count);
    for (int cell = 0; cell < 81; ++cell) {
        if (set[cell] && k-- == 0) return cell;
    }
    return 0;
}

bool TElements::FillAttempt(RandomGenerator& random) {
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            std::uint16_t& box = BoxMask[BoxOf(c)][BoxOf(r)];
            const int d = PickDigit(random, ColMask[c] & RowMask[r] & box);
            if (d == 0) return false;
            Solution[c][r] = static_cast<std::uint8_t>(d);
            const auto taken = static_cast<std::uint16_t>(~(1u << d));
            RowMask[r] &= taken;
            ColMask[c] &= taken;
            box &= taken;
        }
    }
    return true;
}

std::int32_t TElements::Generate() {
    // About one attempt in 320 succeeds; 10 000 failures in a row has a chance below 1e-13.
    for (std::int32_t attempt = 0; attempt < MaxAttempts; ++attempt) {
        Reset();
        if (FillAttempt(GameRandom())) return attempt;
    }
    return 0;
}

bool TElements::ChooseRevealed(int hidden) {
    if (hidden < 0 || hidden > 80) throw std::out_of_range("Range check error");
    Revealed.fill(false);
    HiddenCount = static_cast<std::uint8_t>(hidden);
    TCellSet pool;
    pool.set();
    for (int shown = 0; shown < 81 - hidden; ++shown) {
        const int cell = RandomCell(pool);
        Revealed[cell] = true;
        pool.reset(cell);
    }
    return false;
}
