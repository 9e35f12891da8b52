// Budgets of the windowed core on the game's busiest window, a board of 81 speed buttons on a
// panel: a full repaint well inside one 60 Hz frame (16 ms), a framework message through three
// stacked procedures in well under a microsecond, a relayout on resize under 1 ms, and a mouse
// move with its enter/leave notices under 0.1 ms.
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TPanel.h"
#include "framework/TSpeedButton.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TBoard {
    HeadlessBackend Backend;
    std::unique_ptr<TApplication> App;
    std::unique_ptr<TForm> Form;
    TPanel* Panel = nullptr;

    TBoard() {
        WindowSystem::Start(Backend);
        App = std::make_unique<TApplication>();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(10, 10, 600, 600);
        Panel = new TPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetAlign(alClient);
        for (int i = 0; i < 81; ++i) {
            auto* cell = new TSpeedButton(Form.get());
            cell->SetParent(Panel);
            cell->SetBounds(8 + (i % 9) * 60, 8 + (i / 9) * 60, 56, 56);
            cell->SetGroupIndex(i + 1);
            cell->SetAllowAllUp(true);
            cell->SetCaption(i % 2 ? "1 2 3\r\n4 5 6\r\n7 8 9" : std::to_string(i % 9 + 1));
            cell->SetHint("cell");
            cell->SetShowHint(true);
            cell->SetAnchors({akLeft, akTop, akRight});
        }
        Form->Show();
        App->ProcessMessages();
    }
    ~TBoard() {
        Form.reset();
        App.reset();
        WindowSystem::Stop();
    }
};

void BM_BoardRepaint(benchmark::State& state) {
    TBoard board;
    for (auto _ : state) {
        board.Panel->Invalidate();
        board.Panel->Update();
    }
}
BENCHMARK(BM_BoardRepaint)->Unit(benchmark::kMillisecond);

void BM_PerformThroughThreeStackedProcedures(benchmark::State& state) {
    TBoard board;
    for (int i = 0; i < 3; ++i) board.Panel->PushWindowProc([](TMessage& m, const TWndMethod& next) { next(m); });
    for (auto _ : state) benchmark::DoNotOptimize(board.Panel->Perform(CM_HITTEST, 0, 0));
}
BENCHMARK(BM_PerformThroughThreeStackedProcedures);

void BM_RelayoutOnResize(benchmark::State& state) {
    TBoard board;
    int width = 600;
    for (auto _ : state) {
        width = width == 600 ? 640 : 600;
        board.Form->SetWidth(width);
    }
}
BENCHMARK(BM_RelayoutOnResize)->Unit(benchmark::kMicrosecond);

void BM_MouseMoveAcrossTheBoard(benchmark::State& state) {
    TBoard board;
    const TPoint origin = board.Panel->ClientOrigin();
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 540;
        WindowSystem::Current()->Input().MouseMove(origin.X + 10 + step, origin.Y + 30 + step / 9);
        board.App->ProcessMessages();
    }
}
BENCHMARK(BM_MouseMoveAcrossTheBoard)->Unit(benchmark::kMicrosecond);

} // namespace
