// The puzzle generator: a complete random solution grid and the cells shown at a game's start.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

class RandomGenerator;

// A set of cell indices 0..80 (index = (row − 1) · 9 + column − 1).
using TCellSet = std::bitset<81>;

// Plain, copyable data. Rows, columns and blocks are indexed from 1 as the board counts them
// (entry 0 of those arrays is never used), so Solution[c][r] is the digit of column c, row r.
// Digit sets use bits 1..9 of a 16-bit word.
class TElements {
public:
    static constexpr std::uint16_t FullSet = 1022; // bits 1..9
    static constexpr int MaxAttempts = 10000;

    // Seeds the game's random source from the clock unless it was seeded already (--seed N).
    TElements();

    // Every grid entry 0, every mask the full set.
    void Reset();
    // Fills Solution row by row with random candidates, starting again from an empty grid
    // whenever a cell has none left. Returns the failed attempts before the successful one, or 0
    // when all attempts failed (Solution then keeps the last partial fill).
    std::int32_t Generate();
    // Marks 81 − hidden distinct cells, all subsets equally likely, as shown. A count outside
    // 0..80 throws std::out_of_range("Range check error") and changes nothing. Always false.
    bool ChooseRevealed(int hidden);

    // The block (1..3) of a row or column 1..9; equal to trunc(v / 3 − 0.1) + 1 there.
    static int BoxOf(int v) { return (v - 1) / 3 + 1; }
    // A uniform random member of the digits 1..9 in the set, or 0 when it has none.
    static int RandomDigit(std::uint16_t set);
    // A uniform random member of the cell set, or 0 when it is empty.
    static int RandomCell(const TCellSet& set);

    std::array<std::uint16_t, 10> RowMask{};
    std::array<std::uint16_t, 10> ColMask{};
    std::array<std::array<std::uint16_t, 4>, 4> BoxMask{}; // [block column][block row]
    std::uint8_t HiddenCount = 0;
    std::array<std::array<std::uint8_t, 10>, 10> Solution{}; // [column][row], 0 = empty
    std::array<bool, 81> Revealed{};

private:
    bool FillAttempt(RandomGenerator& random);
};
