// The skinned board's painting in the largest internal skin: one cell repainted after its state
// changed, and a new game's 81 cells painted.
#include "app/GameProgram.h"
#include "app/TForm1.h"
#include "app/TMyButton.h"
#include "bench/game/TScratchFolder.h"
#include "resources/InternalSkins.h"
#include "skin/controls/TsPanel.h"
#include "skin/data/TsSkinManager.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/system/RandomGenerator.h"
#include "platform/window/Win.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The internal skin whose archive is the largest.
std::string LargestInternalSkin() {
    std::string name;
    std::size_t largest = 0;
    for (const TInternalSkin& skin : InternalSkinArchives()) {
        if (skin.Data.size() <= largest) continue;
        largest = skin.Data.size();
        name = std::string(skin.Name);
    }
    return name;
}

// The game running on its UI thread with the largest internal skin in force and painted.
class TSkinnedGame {
public:
    explicit TSkinnedGame(benchmark::State& state) : FDriver([] { return RunGame(); }) {
        FDriver.WaitIdle();
        const std::string skin = LargestInternalSkin();
        FDriver.RunOnUi([&skin] {
            Form1->sSkinManager1->SetSkinName(skin);
            Form1->sSkinManager1->SetActive(true);
            UpdateWindow(Form1->Handle());
        });
        FDriver.WaitIdle();
        state.SetLabel(skin);
    }
    ~TSkinnedGame() { FDriver.Shutdown(); }
    TSkinnedGame(const TSkinnedGame&) = delete;
    TSkinnedGame& operator=(const TSkinnedGame&) = delete;

    HeadlessDriver& Driver() { return FDriver; }

private:
    TScratchFolder FFolder;
    HeadlessDriver FDriver;
};

} // namespace

// A hidden cell goes down and up again: each change repaints that cell alone. The loop runs on
// the UI thread, so no thread hop is timed.
static void BM_SkinnedCellStateChange(benchmark::State& state) {
    RandSeed(11);
    TSkinnedGame game(state);
    game.Driver().RunOnUi([&state] {
        TMyButton* cell = nullptr;
        for (int i = 0; i < 81 && !cell; ++i) {
            if (!Form1->Cell(i)->Opened) cell = Form1->Cell(i);
        }
        for (auto _ : state) {
            cell->SetDown(!cell->Down());
            UpdateWindow(Form1->Panel->Handle());
        }
    });
}
BENCHMARK(BM_SkinnedCellStateChange)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A new game: 81 cells change caption and state and are painted.
static void BM_SkinnedNewGame(benchmark::State& state) {
    RandSeed(11);
    TSkinnedGame game(state);
    game.Driver().RunOnUi([&state] {
        for (auto _ : state) {
            Form1->NewGame();
            UpdateWindow(Form1->Handle());
        }
    });
}
BENCHMARK(BM_SkinnedNewGame)->Unit(benchmark::kMillisecond)->UseRealTime();
