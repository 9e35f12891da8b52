// Runs a program's (or a test's) main function on a UI thread over the headless back end and lets
// the calling thread act as the user: input at screen coordinates, waiting until the UI thread is
// idle (also inside nested modal loops), moving the virtual clock, running code on the UI thread,
// screenshots and a clean shutdown.
#pragma once

#include "platform/backend/headless/HeadlessBackend.h"

#include <atomic>
#include <exception>
#include <functional>
#include <string>
#include <thread>

class UiDriver {
public:
    using TMainFn = std::function<int()>;

    // Starts the UI thread: the window system is started on it, then main runs; when main returns
    // the window system is stopped.
    explicit UiDriver(TMainFn main, TSize screen = {1280, 1024});
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
    // Moves the virtual clock forward by ms, stopping at each timer's due time so that timers fire
    // in order, waiting for idle after each.
    void Advance(std::uint64_t ms);
    // Runs fn on the UI thread and waits for it; exceptions are passed back. False when the UI
    // thread has finished and fn did not run.
    bool RunOnUi(const std::function<void()>& fn);
    Bitmap Screenshot();

    // Posts WM_QUIT (loops end, outer loops see it too) and joins the UI thread; main's result.
    int Shutdown();
    bool Finished() const { return FFinished; }
    int ExitCode() const { return FExitCode; }
    // The message of an exception that escaped main, empty when none did.
    const std::string& Failure() const { return FFailure; }
    HeadlessBackend& Backend() { return FBackend; }

private:
    void Inject(const std::function<void(InputSink&)>& fn);
    void ThreadMain(const TMainFn& main);

    HeadlessBackend FBackend;
    std::thread FThread;
    std::atomic<bool> FFinished{false};
    std::atomic<bool> FStarted{false};
    int FExitCode = 0;
    std::string FFailure;
};
