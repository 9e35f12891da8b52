// Skin changes in the running game: switching skins, a hue step, and a start with a skin in force.
#include "app/GameProgram.h"
#include "app/TAboutF.h"
#include "app/TForm1.h"
#include "app/TRecordsListF.h"
#include "app/TSetValueF.h"
#include "app/TSettingsF.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/system/RandomGenerator.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WinStyles.h"
#include "skin/data/TsSkinManager.h"
#include "tests/platform/system/TempFolder.h"
#include "tests/skin/data/SkinTestKit.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include <time.h>

namespace {

// The largest internal skin and one of the others.
constexpr const char* SkinA = "HeroesStyle (internal)";
constexpr const char* SkinB = "Winter2003 (internal)";

// The benchmark runs in a scratch folder, where no settings file is and its Skins folder is.
class TScratchCurrentFolder {
public:
    TScratchCurrentFolder() : FHome(std::filesystem::current_path()) { std::filesystem::current_path(FFolder.Root()); }
    ~TScratchCurrentFolder() { std::filesystem::current_path(FHome); }

private:
    TempFolder FFolder;
    std::filesystem::path FHome;
};

// The seconds of processor time the calling thread has used: on a machine shared with other work
// it tells what the change costs when the wall clock also counts waiting for a processor.
double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The game with the first skin in force and all five windows shown.
class TSkinnedGame {
public:
    TSkinnedGame() : FDriver([] { return RunGame(); }) {
        FDriver.WaitIdle();
        FDriver.RunOnUi([] {
            TsSkinManager& manager = *Form1->sSkinManager1;
            manager.SetSkinName(SkinA);
            manager.SetActive(true);
            for (TCustomForm* form : {static_cast<TCustomForm*>(SetValueF), static_cast<TCustomForm*>(SettingsF),
                                      static_cast<TCustomForm*>(AboutF), static_cast<TCustomForm*>(RecordsListF)}) {
                form->Show();
            }
        });
        FDriver.WaitIdle();
    }
    ~TSkinnedGame() { FDriver.Shutdown(); }

    // Runs change on the UI thread; the seconds it took there, and adds the processor time it
    // used to UiCpuSeconds.
    template <class F>
    double Timed(F change) {
        double seconds = 0;
        FDriver.RunOnUi([&] {
            const double cpu = ThreadCpuSeconds();
            const auto start = std::chrono::steady_clock::now();
            change(*Form1->sSkinManager1);
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            UiCpuSeconds += ThreadCpuSeconds() - cpu;
        });
        return seconds;
    }
    // The UI thread's processor time per change, in milliseconds.
    void Report(benchmark::State& state) const {
        state.counters["ui_cpu_ms"] = benchmark::Counter(UiCpuSeconds * 1000, benchmark::Counter::kAvgIterations);
    }

    double UiCpuSeconds = 0;

private:
    HeadlessDriver FDriver;
};

// Switches between the two skins, then runs after on the UI thread inside the timed part.
template <class F>
void SwitchSkins(benchmark::State& state, F after) {
    TScratchCurrentFolder folder;
    RandSeed(7);
    TSkinnedGame game;
    bool second = true;
    for (auto _ : state) {
        const char* name = second ? SkinB : SkinA;
        state.SetIterationTime(game.Timed([name, &after](TsSkinManager& manager) {
            manager.SetSkinName(name);
            after();
        }));
        second = !second;
    }
    game.Report(state);
}

} // namespace

static void BM_SwitchSkinWithGameWindowsOpen(benchmark::State& state) {
    SwitchSkins(state, [] {});
}
BENCHMARK(BM_SwitchSkinWithGameWindowsOpen)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same switch with every pending paint of the five windows and their controls done at once,
// as the player sees it.
static void BM_SwitchSkinWithGameWindowsPainted(benchmark::State& state) {
    SwitchSkins(state, [] {
        for (TCustomForm* form : {static_cast<TCustomForm*>(Form1), static_cast<TCustomForm*>(SetValueF),
                                  static_cast<TCustomForm*>(SettingsF), static_cast<TCustomForm*>(AboutF),
                                  static_cast<TCustomForm*>(RecordsListF)}) {
            RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    });
}
BENCHMARK(BM_SwitchSkinWithGameWindowsPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

static void BM_HueStep(benchmark::State& state) {
    TScratchCurrentFolder folder;
    RandSeed(7);
    TSkinnedGame game;
    int hue = 0;
    for (auto _ : state) {
        hue = (hue + 1) % 361;
        state.SetIterationTime(game.Timed([hue](TsSkinManager& manager) { manager.SetHueOffset(hue); }));
    }
    game.Report(state);
}
BENCHMARK(BM_HueStep)->UseManualTime()->Unit(benchmark::kMillisecond);

// From nothing to the main window shown with a skin in force, then ended: the largest internal
// skin, and a packed skin file in the Skins folder of a test skin of about the same size; with an
// empty skin name, the same start without a skin, to compare.
static void BM_HeadlessStart(benchmark::State& state, const char* skin) {
    TScratchCurrentFolder folder;
    WriteFileBytes("Skins/Packed.asz", ShippedSizeSkinArchive(0));
    double uiCpu = 0;
    for (auto _ : state) {
        double startCpu = 0;
        HeadlessDriver driver([&startCpu, skin] {
            startCpu = ThreadCpuSeconds();
            return RunGame(skin);
        });
        driver.WaitIdle();
        state.PauseTiming();
        bool inForce = false;
        driver.RunOnUi([&] {
            uiCpu += ThreadCpuSeconds() - startCpu;
            inForce = Form1->sSkinManager1->SkinInfo() != "N/A";
        });
        if (inForce != (*skin != 0)) state.SkipWithError("the skin in force is not the one asked for");
        driver.Shutdown();
        state.ResumeTiming();
    }
    state.counters["ui_cpu_ms"] = benchmark::Counter(uiCpu * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_HeadlessStart, WithInternalSkin, SkinA)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK_CAPTURE(BM_HeadlessStart, WithPackedFile, "Packed")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK_CAPTURE(BM_HeadlessStart, WithoutSkin, "")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
