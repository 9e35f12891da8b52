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
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    FEngine.seed(sequence);
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
