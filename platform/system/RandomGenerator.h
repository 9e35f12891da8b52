// The uniform random integer generator and the one process-wide instance the game draws from.
#pragma once

#include <cstdint>

class RandomGenerator {
public:
    explicit RandomGenerator(std::uint64_t seed = 0) { Seed(seed); }

    void Seed(std::uint64_t seed);

    // 0..n-1, each with equal probability; 0 when n < 1. Multiply-and-reject, so no modulo bias.
    int Random(int n) {
        if (n < 1) return 0;
        const auto range = static_cast<std::uint32_t>(n);
        std::uint64_t product = std::uint64_t{Next32()} * range;
        auto low = static_cast<std::uint32_t>(product);
        if (low < range) {
            const std::uint32_t threshold = static_cast<std::uint32_t>(-range) % range;
            while (low < threshold) {
                product = std::uint64_t{Next32()} * range;
                low = static_cast<std::uint32_t>(product);
            }
        }
        return static_cast<int>(product >> 32);
    }

    // PCG32 (XSH-RR): a fixed published algorithm, so a seed replays the same games on every
    // build, and about five times faster than a Mersenne twister, which the generator's time
    // budget needs (a grid takes some 12 000 draws).
    std::uint32_t Next32() {
        const std::uint64_t old = FState;
        FState = old * 6364136223846793005u + Increment;
        const auto xorShifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
        const auto rotation = static_cast<std::uint32_t>(old >> 59);
        return (xorShifted >> rotation) | (xorShifted << ((0u - rotation) & 31));
    }

private:
    static constexpr std::uint64_t Increment = 1442695040888963407u;
    std::uint64_t FState = 0;
};

// The game's generator. One per process because the game has one random stream: it is seeded
// once (from the clock, or from --seed N so that a run can be replayed), and every puzzle drawn
// afterwards continues that stream. Used from the user-interface thread only.
RandomGenerator& GameRandom();

// Seeds the game's generator from the clock unless it has been seeded already.
void Randomize();
// Seeds the game's generator with a fixed value; a later Randomize() leaves it alone.
void RandSeed(std::uint64_t seed);
// GameRandom().Random(n).
int Random(int n);
