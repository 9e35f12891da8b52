// Budgets of the standard control wrappers on the game's dialogs: making, showing and freeing a
// dialog like the settings window (17 controls) in well under 50 ms, switching the chooser's
// page of nine buttons within a 60 Hz frame (16 ms), filling the records memo (ten lines) under
// 5 ms, and a track bar step with its OnChange under 0.5 ms.
#include "framework/TApplication.h"
#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TMemo.h"
#include "framework/TPageControl.h"
#include "framework/TSpeedButton.h"
#include "framework/TTabSheet.h"
#include "framework/TTrackBar.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TSession {
    HeadlessBackend Backend;
    std::unique_ptr<TApplication> App;

    TSession() {
        WindowSystem::Start(Backend);
        App = std::make_unique<TApplication>();
    }
    ~TSession() {
        App.reset();
        WindowSystem::Stop();
    }
};

template <class T> T* Add(TForm* form, int top) {
    auto* c = new T(form);
    c->SetParent(form);
    c->SetBounds(8, top, 120, 21);
    return c;
}

std::unique_ptr<TForm> SettingsLikeDialog() {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 336, 278);
    for (int i = 0; i < 6; ++i) Add<TCheckBox>(form.get(), 10 + 20 * i)->SetCaption("Сохранять размеры окон");
    auto* skins = Add<TComboBox>(form.get(), 130);
    for (int i = 0; i < 10; ++i) skins->Items()->Add("Skin " + std::to_string(i));
    for (int i = 0; i < 3; ++i) Add<TTrackBar>(form.get(), 160 + 30 * i)->SetRange(0, 360);
    Add<TEdit>(form.get(), 250)->SetText("10");
    for (int i = 0; i < 3; ++i) Add<TButton>(form.get(), 280 + 30 * i)->SetCaption("Сохранить");
    Add<TMemo>(form.get(), 370);
    return form;
}

void BM_SettingsLikeDialogMadeShownAndFreed(benchmark::State& state) {
    TSession session;
    for (auto _ : state) {
        auto form = SettingsLikeDialog();
        form->Show();
        session.App->ProcessMessages();
    }
}
BENCHMARK(BM_SettingsLikeDialogMadeShownAndFreed)->Unit(benchmark::kMillisecond);

void BM_ChooserPageSwitch(benchmark::State& state) {
    TSession session;
    TForm form(nullptr);
    form.SetBounds(100, 100, 134, 134);
    auto* pages = new TPageControl(&form);
    pages->SetParent(&form);
    pages->SetAlign(alClient);
    pages->SetStyle(tsFlatButtons);
    for (int p = 0; p < 2; ++p) {
        auto* sheet = new TTabSheet(&form);
        sheet->SetPageControl(pages);
        sheet->SetCaption(p ? "Пометки" : "Выбор");
        for (int n = 0; n < 9; ++n) {
            auto* b = new TSpeedButton(&form);
            b->SetParent(sheet);
            b->SetBounds(n % 3 * 36, n / 3 * 30, 36, 30);
            b->SetCaption(std::to_string(n + 1));
        }
    }
    form.Show();
    session.App->ProcessMessages();
    int page = 0;
    for (auto _ : state) {
        page = 1 - page;
        pages->SetActivePageIndex(page);
        form.Update();
    }
}
BENCHMARK(BM_ChooserPageSwitch)->Unit(benchmark::kMicrosecond);

void BM_RecordsMemoFill(benchmark::State& state) {
    TSession session;
    TForm form(nullptr);
    form.SetBounds(100, 100, 379, 302);
    auto* memo = Add<TMemo>(&form, 32);
    memo->SetBounds(8, 32, 353, 204);
    form.Show();
    session.App->ProcessMessages();
    for (auto _ : state) {
        memo->Lines()->Clear();
        for (int place = 1; place <= 10; ++place) memo->Lines()->Add(" 1. --------------------  0:00:00");
    }
}
BENCHMARK(BM_RecordsMemoFill)->Unit(benchmark::kMicrosecond);

void BM_TrackBarStep(benchmark::State& state) {
    TSession session;
    TForm form(nullptr);
    form.SetBounds(100, 100, 336, 278);
    auto* bar = Add<TTrackBar>(&form, 64);
    bar->SetRange(0, 360);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    form.Show();
    session.App->ProcessMessages();
    int pos = 0;
    for (auto _ : state) {
        pos = (pos + 1) % 361;
        bar->SetPosition(pos);
        bar->Update();
    }
    benchmark::DoNotOptimize(changes);
}
BENCHMARK(BM_TrackBarStep)->Unit(benchmark::kMicrosecond);

} // namespace
