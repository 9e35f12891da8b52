// Dragging the settings dialog's hue track bar with an internal skin in force: what each step
// costs in the skin manager (the skin reloaded in the new hue and every shown window refreshed).
#include "app/GameProgram.h"
#include "app/TForm1.h"
#include "app/TSettingsF.h"
#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/controls/TrackBarCodes.h"
#include "platform/system/RandomGenerator.h"
#include "platform/window/Win.h"
#include "skin/controls/TsTrackBar.h"
#include "skin/data/TsSkinManager.h"
#include "tests/platform/system/TempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include <time.h>

namespace {

// The largest internal skin.
constexpr const char* Skin = "HeroesStyle (internal)";

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The game in a scratch folder with the skin in force and the settings dialog shown; the hue
// bar's change handler (the manager's work of a step) is timed on the UI thread.
class THueDrag {
public:
    THueDrag() : FHome(std::filesystem::current_path()) {
        std::filesystem::current_path(FFolder.Root());
        RandSeed(7);
        FDriver = std::make_unique<HeadlessDriver>([] { return RunGame(); });
        FDriver->WaitIdle();
        FDriver->RunOnUi([this] { Prepare(); });
        FDriver->WaitIdle();
        FDriver->MouseButton(FThumb.X, FThumb.Y, mbLeft, true);
    }
    ~THueDrag() {
        FDriver->MouseButton(FThumb.X, FThumb.Y, mbLeft, false);
        FDriver->Shutdown();
        FDriver.reset();
        std::filesystem::current_path(FHome);
    }

    // Moves the held thumb one pixel further (turning at the ends of the channel) until the hue
    // changes; the seconds the change handler took.
    double Step() {
        const int before = Steps;
        while (Steps == before) {
            if (FX + FDirection < FChannel.Left || FX + FDirection > FChannel.Right) FDirection = -FDirection;
            FX += FDirection;
            FDriver->MouseMove(FX, FThumb.Y);
        }
        return LastSeconds;
    }

    int Steps = 0;
    bool SkinInForce = false;
    double LastSeconds = 0;
    double CpuSeconds = 0;

private:
    void Prepare() {
        TsSkinManager& manager = *Form1->sSkinManager1;
        manager.SetSkinName(Skin);
        manager.SetActive(true);
        SkinInForce = manager.SkinInfo() != "N/A";
        SettingsF->Show();
        TsTrackBar* bar = SettingsF->HueOffsetTb;
        const TNotifyEvent handler = bar->OnChange;
        bar->OnChange = [this, handler](TObject* sender) {
            const double cpu = ThreadCpuSeconds();
            const auto start = std::chrono::steady_clock::now();
            handler(sender);
            LastSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            CpuSeconds += ThreadCpuSeconds() - cpu;
            ++Steps;
        };
        TRect thumb, channel;
        SendMessage(bar->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        SendMessage(bar->Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        FThumb = bar->ClientToScreen({(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2});
        FChannel = {bar->ClientToScreen(channel.TopLeft()).X, 0, bar->ClientToScreen(channel.BottomRight()).X, 0};
        FX = FThumb.X;
    }

    TempFolder FFolder;
    std::filesystem::path FHome;
    std::unique_ptr<HeadlessDriver> FDriver;
    TPoint FThumb;
    TRect FChannel;
    int FX = 0;
    int FDirection = 1;
};

} // namespace

static void BM_HueTrackBarDragStep(benchmark::State& state) {
    THueDrag drag;
    if (!drag.SkinInForce) {
        state.SkipWithError("the skin did not come into force");
        return;
    }
    for (auto _ : state) state.SetIterationTime(drag.Step());
    if (drag.Steps == 0) state.SkipWithError("the hue never changed");
    state.counters["ui_cpu_ms"] = benchmark::Counter(drag.CpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HueTrackBarDragStep)->UseManualTime()->Unit(benchmark::kMillisecond);
