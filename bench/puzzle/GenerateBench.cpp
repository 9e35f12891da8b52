// Cost of a new puzzle: the solution grid (budget 100 µs on average) and the reveal mask.
#include "platform/system/RandomGenerator.h"
#include "puzzle/TElements.h"

#include <benchmark/benchmark.h>

static void BM_Generate(benchmark::State& state) {
    RandSeed(1);
    TElements elements;
    for (auto _ : state) benchmark::DoNotOptimize(elements.Generate());
}
BENCHMARK(BM_Generate)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

static void BM_ChooseRevealed(benchmark::State& state) {
    RandSeed(2);
    TElements elements;
    for (auto _ : state) benchmark::DoNotOptimize(elements.ChooseRevealed(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ChooseRevealed)->Arg(18)->Arg(54)->Unit(benchmark::kMicrosecond);
