// A skinned push button repainted and a skinned track bar stepped, in the largest internal skin,
// on a shown form of the headless window system.
#include "skin/controls/TsButton.h"
#include "skin/controls/TsTrackBar.h"

#include "resources/InternalSkins.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr const char* SkinName = "HeroesStyle (internal)";

// A form like the settings dialog's lower half: a track bar of the hue's range and a button.
struct TSkinnedDialog {
    HeadlessBackend Backend;
    std::unique_ptr<TApplication> App;
    std::unique_ptr<TsSkinManager> Manager;
    TForm* Form = nullptr; // the application's, as the program's windows are
    TsButton* Button = nullptr;
    TsTrackBar* Bar = nullptr;

    TSkinnedDialog() {
        WindowSystem::Start(Backend);
        App = std::make_unique<TApplication>();
        Manager = std::make_unique<TsSkinManager>(nullptr);
        Manager->SetActive(false);
        for (const TInternalSkin& skin : InternalSkinArchives())
            Manager->InternalSkins().Add(TsStoredSkin::Borrowing(std::string(skin.Name), skin.Data));
        Manager->SetSkinName(SkinName);
        Form = new TForm(App.get());
        Form->SetBounds(10, 10, 340, 260);
        Button = new TsButton(Form);
        Button->SetParent(Form);
        Button->SetBounds(164, 215, 75, 25);
        Button->SetCaption("Сохранить");
        Bar = new TsTrackBar(Form);
        Bar->SetParent(Form);
        Bar->SetBounds(0, 40, 330, 24);
        Bar->SetThumbLength(15);
        Bar->SetMax(360);
        Bar->SetFrequency(10);
        Form->Show();
        Manager->SetActive(true);
        App->ProcessMessages();
    }
    ~TSkinnedDialog() {
        Manager.reset();
        App.reset();
        WindowSystem::Stop();
    }
};

void BM_SkinnedButtonRepaint(benchmark::State& state) {
    TSkinnedDialog dialog;
    if (!dialog.Button->SkinData()->IsSkinned()) state.SkipWithError("the button is not skinned");
    for (auto _ : state) {
        dialog.Button->SkinData()->Invalidate();
        UpdateWindow(dialog.Button->Handle());
    }
}
BENCHMARK(BM_SkinnedButtonRepaint)->Unit(benchmark::kMicrosecond);

void BM_SkinnedTrackBarStep(benchmark::State& state) {
    TSkinnedDialog dialog;
    if (!dialog.Bar->SkinData()->IsSkinned()) state.SkipWithError("the track bar is not skinned");
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) % 361;
        dialog.Bar->SetPosition(position);
        UpdateWindow(dialog.Bar->Handle());
    }
}
BENCHMARK(BM_SkinnedTrackBarStep)->Unit(benchmark::kMicrosecond);

} // namespace
