// Time of a new game on the running board and of the program's start to its first painted main
// window, both on the headless back end.
#include "app/GameProgram.h"
#include "app/TForm1.h"
#include "bench/game/TScratchFolder.h"
#include "framework/TApplication.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/system/RandomGenerator.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <benchmark/benchmark.h>

// The UI thread runs the game; each iteration starts a new game there and paints the board.
static void BM_NewGame(benchmark::State& state) {
    TScratchFolder folder;
    RandSeed(11);
    HeadlessDriver driver([] { return RunGame(); });
    driver.WaitIdle();
    for (auto _ : state) {
        driver.RunOnUi([] {
            Form1->NewGame();
            UpdateWindow(Form1->Handle());
        });
    }
    driver.Shutdown();
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMillisecond)->UseRealTime();

// From nothing to the main window shown and painted with its first game, then ended.
static void BM_ProgramStartToPaintedWindow(benchmark::State& state) {
    TScratchFolder folder;
    for (auto _ : state) {
        HeadlessDriver driver([] { return RunGame(); });
        driver.WaitIdle();
        state.PauseTiming();
        driver.Shutdown();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProgramStartToPaintedWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
