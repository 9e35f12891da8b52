// Seeding of the generator and the game's process-wide instance.
#include "platform/system/RandomGenerator.h"

#include <chrono>

namespace {

struct GameRandomState {
    RandomGenerator Generator;
    bool Seeded = false;
};

GameRandomState& State() {
    static GameRandomState state;
    return state;
}

} // namespace

void RandomGenerator::Seed(std::uint64_t seed) {
    // Neighbouring seeds (1, 2, 3, ...) are spread over the whole state first (SplitMix64).
    std::uint64_t mixed = seed + 0x9E3779B97F4A7C15u;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9u;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBu;
    FState = 0;
    Next32();
    FState += mixed ^ (mixed >> 31);
    Next32();
}

RandomGenerator& GameRandom() {
    return State().Generator;
}

void Randomize() {
    GameRandomState& state = State();
    if (state.Seeded) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    state.Generator.Seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    state.Seeded = true;
}

void RandSeed(std::uint64_t seed) {
    State().Generator.Seed(seed);
    State().Seeded = true;
}

int Random(int n) {
    return GameRandom().Random(n);
}
