// Budgets of the framework's dialogs, which the game opens in the middle of play: building and
// laying out the information dialog (with its window and buttons) under 2 ms, the records input
// box with its three-line prompt under 2 ms, and the colour dialog's 64 swatches and six fields
// under 5 ms, so none of them is a visible pause on a click.
#include "framework/TApplication.h"
#include "framework/TColorDialogForm.h"
#include "framework/TForm.h"
#include "framework/TInputQuery.h"
#include "framework/TMessageForm.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TScreenSetUp {
    HeadlessBackend Backend;
    std::unique_ptr<TApplication> App;

    TScreenSetUp() {
        WindowSystem::Start(Backend);
        App = std::make_unique<TApplication>();
        App->Initialize();
    }
    ~TScreenSetUp() {
        App.reset();
        WindowSystem::Stop();
    }
};

} // namespace

static void BM_BuildInformationDialog(benchmark::State& state) {
    TScreenSetUp setUp;
    for (auto _ : state) {
        TMessageForm dialog(nullptr, "Начать новую игру?", mtInformation, {mbOK, mbCancel});
        benchmark::DoNotOptimize(dialog.Handle());
    }
}
BENCHMARK(BM_BuildInformationDialog)->Unit(benchmark::kMicrosecond);

static void BM_BuildRecordsInputBox(benchmark::State& state) {
    TScreenSetUp setUp;
    for (auto _ : state) {
        TInputQuery query(
            "Вы победили!!!!!!!",
            "Вы показали результат 0:03:20 (200 сек.)\r\nЭто лучше предыдущего 0:00:00 (0 сек.) "
            "который показал(а) --------------------.\r\nВведите свое имя:",
            "");
        benchmark::DoNotOptimize(query.Form()->Handle());
    }
}
BENCHMARK(BM_BuildRecordsInputBox)->Unit(benchmark::kMicrosecond);

static void BM_BuildColorDialog(benchmark::State& state) {
    TScreenSetUp setUp;
    for (auto _ : state) {
        TColorDialogForm dialog(nullptr);
        dialog.SetCurrentColor(RGB(255, 0, 0));
        benchmark::DoNotOptimize(dialog.Handle());
    }
}
BENCHMARK(BM_BuildColorDialog)->Unit(benchmark::kMicrosecond);
