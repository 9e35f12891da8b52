// Budgets of the skinned edit and page control as the game uses them: a keystroke in the
// settings dialog's block-gap field repainted, under 100 µs; the value chooser switching between
// its two pages by a click on the other tab, repainted with its keypads, under 2 ms. Both in an
// internal skin of the program.
#include "app/TSetValueF.h"
#include "resources/InternalSkins.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsPageControl.h"
#include "skin/controls/TsTabSheet.h"

#include "skin/data/TsSkinManager.h"

#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// The window system, the application and a skin manager with the program's internal skins, one
// of them in force.
class TSkinnedSession {
public:
    explicit TSkinnedSession(const std::string& skin) {
        WindowSystem::Start(FBackend);
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        FApp = std::make_unique<TApplication>();
        Manager = std::make_unique<TsSkinManager>(nullptr);
        Manager->SetActive(false);
        for (const TInternalSkin& s : InternalSkinArchives())
            Manager->InternalSkins().Add(TsStoredSkin::Borrowing(std::string(s.Name), s.Data));
        Manager->SetSkinName(skin);
        Manager->SetActive(true);
    }
    ~TSkinnedSession() {
        Manager.reset();
        FApp.reset();
        WindowSystem::Stop();
        ClassicStyle::SetCaptionTextPainter(nullptr);
    }
    TSkinnedSession(const TSkinnedSession&) = delete;
    TSkinnedSession& operator=(const TSkinnedSession&) = delete;

    std::unique_ptr<TsSkinManager> Manager;

private:
    HeadlessBackend FBackend;
    std::unique_ptr<TApplication> FApp;
};

// One typed digit through the framework's edit (key path, change, colours, frame), then the
// repaint; the field is cleared every two digits, as the gap field holds a small number.
void BM_SkinnedGapFieldKeystroke(benchmark::State& state) {
    TSkinnedSession session("Wood (internal)");
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 300, 200);
    auto* edit = new TsEdit(form);
    edit->SetParent(form);
    edit->SetBounds(136, 136, 41, 21);
    form->Show();
    edit->SetFocus();
    Application->ProcessMessages();
    if (!edit->SkinData()->IsSkinned()) state.SkipWithError("the field is not skinned");
    int typed = 0;
    for (auto _ : state) {
        if (++typed % 2 == 0) {
            state.PauseTiming();
            edit->SetText("");
            UpdateWindow(form->Handle());
            state.ResumeTiming();
        }
        SendMessage(edit->Handle(), WM_CHAR, '0' + typed % 10, 1);
        UpdateWindow(form->Handle());
    }
    state.SetLabel(edit->GetText());
}

// A click on the other tab of the value chooser: the change asked and covered, the new page and
// both tabs painted, with the nine buttons of the page.
void BM_ChooserPageSwitch(benchmark::State& state) {
    TSkinnedSession session("Wood (internal)");
    TSetValueF* chooser = nullptr;
    Application->CreateForm(chooser);
    chooser->SetBounds(200, 200, 134, 134);
    chooser->Show();
    Application->ProcessMessages();
    TsPageControl* pages = chooser->PageControl;
    if (!pages->SkinData()->IsSkinned()) state.SkipWithError("the chooser is not skinned");
    auto centreOf = [pages](int page) {
        const TRect r = pages->Geometry().TabRect(page, false);
        return MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    int switches = 0;
    for (auto _ : state) {
        const LPARAM at = centreOf(1 - pages->ActivePageIndex());
        SendMessage(pages->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessage(pages->Handle(), WM_LBUTTONUP, 0, at);
        UpdateWindow(chooser->Handle());
        ++switches;
    }
    if (switches > 0 && pages->ActivePageIndex() != switches % 2) state.SkipWithError("the page did not change");
}

} // namespace

BENCHMARK(BM_SkinnedGapFieldKeystroke);
BENCHMARK(BM_ChooserPageSwitch)->Unit(benchmark::kMicrosecond);
