// Runs a program's (or a test's) main function on a UI thread over a drivable back end and lets
// the calling thread act as the user: input at screen coordinates, waiting until the UI thread is
// idle (also inside nested modal loops), moving the back end's clock, running code on the UI
// thread, screenshots and a clean shutdown.
#pragma once

#include "platform/automation/DrivableBackend.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class UiDriver {
public:
    using TMainFn = std::function<int()>;

    // Starts the UI thread: the window system is started on it over backend, then main runs; when
    // main returns the window system is stopped.
    UiDriver(std::unique_ptr<DrivableBackend> backend, TMainFn main);
    ~UiDriver();
    UiDriver(const UiDriver&) = delete;
    UiDriver& operator=(const UiDriver&) = delete;

    // Input; each waits until the UI thread is idle again.
    void MouseMove(int x, int y);
    void MouseButton(int x, int y, TMouseButton button, bool down);
    void Click(int x, int y, TMouseButton button = TMouseButton::mbLeft);
    void Drag(int x1, int y1, int x2, int y2, int steps = 8);
    void Key(UINT vk, bool down);
    // Presses the modifiers (VK_CONTROL, VK_MENU, VK_SHIFT), then the key, and releases all.
    void PressKey(UINT vk, const std::vector<UINT>& modifiers = {});
    void Type(const std::string& utf8);

    // Blocks until the UI thread waits for messages with nothing pending, or has finished.
    void WaitIdle();
    // Moves the clock forward by ms, stopping at each timer's due time so that timers fire in
    // order, waiting for idle after each.
    void Advance(std::uint64_t ms);
    // Runs fn on the UI thread and waits for it; exceptions are passed back. False when the UI
    // thread has finished and fn did not run.
    bool RunOnUi(const std::function<void()>& fn);
    // Starts fn on the UI thread and waits until that thread is idle again: fn has returned, or it
    // waits in a modal loop it opened, whose window the caller can then drive. fn must not throw.
    // False when the UI thread has finished and fn did not start.
    bool StartOnUi(std::function<void()> fn);
    Bitmap Screenshot();

    // Posts WM_QUIT (loops end, outer loops see it too) and joins the UI thread; main's result.
    int Shutdown();
    bool Finished() const { return FFinished; }
    int ExitCode() const { return FExitCode; }
    // The message of an exception that escaped main, empty when none did.
    const std::string& Failure() const { return FFailure; }
    DrivableBackend& Backend() { return *FBackend; }

private:
    bool Inject(const std::function<void(InputSink&)>& fn);
    void ThreadMain(const TMainFn& main);

    std::unique_ptr<DrivableBackend> FBackend;
    std::thread FThread;
    std::atomic<bool> FFinished{false};
    std::atomic<bool> FStarted{false};
    int FExitCode = 0;
    std::string FFailure;
};
