// The game's ellipse hint on the headless screen: building and showing it (text measure, mask,
// body with gradient, text and border, shadow, the layered image handed to the window system),
// and one step of its fade-in, alone and as a desktop without a compositing manager composes it.
// Budgets: showing under 3 ms, one fade step under 0.5 ms (the composition at the showing has
// none of its own: it is part of the showing).
#include "skin/hints/TsCustomHintWindow.h"
#include "skin/hints/TsHintManager.h"

#include "framework/TApplication.h"
#include "framework/THintWindow.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/sdl/SdlLayeredImage.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The window system, the application and the game's hint manager (ellipse, not animated so that
// the fade's waits stay out of the showing).
class THintSession {
public:
    THintSession() {
        WindowSystem::Start(FBackend);
        FApp = std::make_unique<TApplication>();
        FManager = std::make_unique<TsHintManager>(nullptr);
        FManager->BeginLoading();
        FManager->SetAnimated(false);
        FManager->EndLoading();
    }
    ~THintSession() {
        FManager.reset();
        FApp.reset();
        WindowSystem::Stop();
    }
    std::unique_ptr<THintWindow> Show(const std::string& text) {
        std::unique_ptr<THintWindow> w(Application->HintWindowClass()(Application));
        const TRect rect = w->CalcHintRect(0, text, nullptr).Offset(300, 300);
        w->ActivateHint(rect, text);
        return w;
    }

private:
    HeadlessBackend FBackend;
    std::unique_ptr<TApplication> FApp;
    std::unique_ptr<TsHintManager> FManager;
};

const char* const kTrainingHint =
    "Режим тренировки (В данном режиме можно ошибаться, но вы не попадете в \"Таблицу Рекордов\")";

void BM_ShowEllipseHint(benchmark::State& state) {
    THintSession session;
    const char* text = state.range(0) ? kTrainingHint : "Сложность игры (1-10)";
    int width = 0, height = 0;
    for (auto _ : state) {
        std::unique_ptr<THintWindow> w = session.Show(text);
        width = w->Width();
        height = w->Height();
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
    state.counters["width"] = width;
    state.counters["height"] = height;
}
BENCHMARK(BM_ShowEllipseHint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One of the 31 steps: the same image handed over again at a new opacity.
void BM_EllipseHintFadeStep(benchmark::State& state) {
    THintSession session;
    std::unique_ptr<THintWindow> w = session.Show(kTrainingHint);
    const TPoint position{w->Left(), w->Top()};
    const TSize size{w->Width(), w->Height()};
    BYTE opacity = 0;
    for (auto _ : state) {
        opacity = static_cast<BYTE>((opacity + 8) % 243);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
        UpdateLayeredWindow(w->Handle(), nullptr, &position, &size, nullptr, nullptr, 0, &blend, ULW_ALPHA);
    }
    state.counters["pixels"] = size.cx * size.cy;
}
BENCHMARK(BM_EllipseHintFadeStep)->Unit(benchmark::kMicrosecond);

// The same step as a desktop without a compositing manager shows it: the window blended again
// over what lies beneath it, kept from the composition at its showing.
void BM_EllipseHintFadeStepComposed(benchmark::State& state) {
    THintSession session;
    std::unique_ptr<THintWindow> w = session.Show(kTrainingHint);
    const TPoint position{w->Left(), w->Top()};
    const TSize size{w->Width(), w->Height()};
    TSdlBeneath beneath{Bitmap(size.cx, size.cy), w->BoundsRect()};
    beneath.Pixels.Fill(RGB(212, 208, 200));
    SdlLayeredImage composed;
    if (!composed.Compose(w->Handle(), &beneath)) state.SkipWithError("the hint is no top-level window");
    BYTE opacity = 0;
    for (auto _ : state) {
        opacity = static_cast<BYTE>((opacity + 8) % 243);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
        UpdateLayeredWindow(w->Handle(), nullptr, &position, &size, nullptr, nullptr, 0, &blend, ULW_ALPHA);
        composed.Reblend(w->Handle());
    }
}
BENCHMARK(BM_EllipseHintFadeStepComposed)->Unit(benchmark::kMicrosecond);

// The whole composition at the showing: the capture, our windows below, the hint and its outline.
void BM_EllipseHintComposedAnew(benchmark::State& state) {
    THintSession session;
    std::unique_ptr<THintWindow> w = session.Show(kTrainingHint);
    TSdlBeneath beneath{Bitmap(w->Width(), w->Height()), w->BoundsRect()};
    beneath.Pixels.Fill(RGB(212, 208, 200));
    SdlLayeredImage composed;
    for (auto _ : state) composed.Compose(w->Handle(), &beneath);
}
BENCHMARK(BM_EllipseHintComposedAnew)->Unit(benchmark::kMicrosecond);

} // namespace
