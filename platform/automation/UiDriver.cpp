// The UI-thread driver.
#include "platform/automation/UiDriver.h"
#include "platform/window/MessageApi.h"
#include "platform/window/PaintApi.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <chrono>
#include <future>

UiDriver::UiDriver(std::unique_ptr<DrivableBackend> backend, TMainFn main) : FBackend(std::move(backend)) {
    FThread = std::thread([this, main = std::move(main)] { ThreadMain(main); });
    while (!FStarted && !FFinished) std::this_thread::yield();
}

UiDriver::~UiDriver() {
    Shutdown();
}

void UiDriver::ThreadMain(const TMainFn& main) {
    WindowSystem::Start(*FBackend);
    FStarted = true;
    try {
        FExitCode = main();
    } catch (const std::exception& e) {
        FFailure = e.what();
        FExitCode = 1;
    } catch (...) {
        FFailure = "unknown exception";
        FExitCode = 1;
    }
    WindowSystem::Stop();
    FFinished = true;
    FBackend->MarkFinished();
}

bool UiDriver::Inject(const std::function<void(InputSink&)>& fn) {
    bool fed = FBackend->WithSink(fn);
    WaitIdle();
    return fed;
}

void UiDriver::MouseMove(int x, int y) {
    Inject([&](InputSink& s) { s.MouseMove(x, y); });
}

void UiDriver::MouseButton(int x, int y, TMouseButton button, bool down) {
    Inject([&](InputSink& s) { s.MouseButton(button, down, x, y); });
}

void UiDriver::Click(int x, int y, TMouseButton button) {
    MouseMove(x, y);
    MouseButton(x, y, button, true);
    MouseButton(x, y, button, false);
}

void UiDriver::Drag(int x1, int y1, int x2, int y2, int steps) {
    MouseMove(x1, y1);
    MouseButton(x1, y1, TMouseButton::mbLeft, true);
    steps = std::max(1, steps);
    for (int i = 1; i <= steps; ++i) MouseMove(x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps);
    MouseButton(x2, y2, TMouseButton::mbLeft, false);
}

void UiDriver::Key(UINT vk, bool down) {
    Inject([&](InputSink& s) { s.Key(vk, down); });
}

void UiDriver::PressKey(UINT vk, const std::vector<UINT>& modifiers) {
    for (UINT m : modifiers) Key(m, true);
    Key(vk, true);
    Key(vk, false);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) Key(*it, false);
}

void UiDriver::Type(const std::string& utf8) {
    Inject([&](InputSink& s) { s.Text(utf8); });
}

void UiDriver::WaitIdle() {
    FBackend->WaitIdle();
}

void UiDriver::Advance(std::uint64_t ms) {
    WaitIdle();
    std::uint64_t target = FBackend->GetClock().NowMs() + ms;
    while (!FFinished) {
        std::uint64_t due = FBackend->IdleDeadline();
        if (due > target) {
            FBackend->SetTime(target);
            WaitIdle();
            return;
        }
        FBackend->SetTime(due);
        WaitIdle();
    }
}

bool UiDriver::RunOnUi(const std::function<void()>& fn) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> result = done->get_future();
    bool queued = FBackend->WithSink([&](InputSink& s) {
        s.RunOnUi([fn, done] {
            try {
                fn();
                done->set_value();
            } catch (...) {
                done->set_exception(std::current_exception());
            }
        });
    });
    if (!queued) return false;
    while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        if (FFinished) return false;
    result.get();
    return true;
}

bool UiDriver::StartOnUi(std::function<void()> fn) {
    return Inject([&](InputSink& s) { s.RunOnUi(std::move(fn)); });
}

Bitmap UiDriver::Screenshot() {
    Bitmap shot;
    RunOnUi([&] { shot = CaptureScreen(); });
    return shot;
}

int UiDriver::Shutdown() {
    if (!FThread.joinable()) return FExitCode;
    FBackend->WithSink([](InputSink& s) { s.RunOnUi([] { PostQuitMessage(0); }); });
    FThread.join();
    return FExitCode;
}
