// The window system of the UI thread: the one place that owns windows, classes, queues, timers,
// hooks and input state. It is process-wide because, like the desktop's own window manager, it
// serves the single UI thread that the whole program runs on; every call checks that thread.
#pragma once

#include "platform/window/Backend.h"
#include "platform/window/HandleTable.h"
#include "platform/window/HookChain.h"
#include "platform/window/InputQueue.h"
#include "platform/window/PostedQueue.h"
#include "platform/window/TimerQueue.h"
#include "platform/window/WindowClassRegistry.h"

#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class PaintManager;
class InputRouter;
class FocusManager;

class WindowSystem {
public:
    // Starts the window system on the calling thread, which becomes the UI thread.
    static void Start(Backend& backend);
    // Destroys every remaining window and detaches from the back end.
    static void Stop();
    static bool Running() { return FInstance != nullptr; }
    // The running instance; aborts when called from another thread than the UI thread, and
    // returns nullptr when the window system is not running.
    static WindowSystem* Current();

    Backend& GetBackend() { return *FBackend; }
    Clock& GetClock() { return FBackend->GetClock(); }
    HandleTable& Handles() { return FHandles; }
    WindowClassRegistry& Classes() { return FClasses; }
    PostedQueue& Posted() { return FPosted; }
    InputQueue& Input() { return FInput; }
    TimerQueue& Timers() { return FTimers; }
    HookChain& Hooks() { return FHooks; }
    PaintManager& Paint() { return *FPaint; }
    InputRouter& Router() { return *FRouter; }
    FocusManager& Focus() { return *FFocus; }
    // Top-level windows in z-order, topmost first.
    std::vector<Window*>& TopLevels() { return FTopLevels; }

    Window* Find(HWND hwnd) const { return FHandles.Find(hwnd); }

    // Depth of messages being sent or dispatched; retired window records are freed only at 0.
    int& HandlerDepth() { return FHandlerDepth; }
    void CollectIfIdle() {
        if (FHandlerDepth == 0) FHandles.Collect();
    }

    UINT RegisterMessage(const std::string& name);
    std::uint64_t Now() { return FBackend->GetClock().NowMs(); }

    // Tells the back end about a top-level window's new state.
    void NotifyTopLevel(Window* w, TTopLevelChange change);

    // The message most recently retrieved (GetMessageTime, GetMessagePos).
    DWORD FLastMessageTime = 0;
    TPoint FLastMessagePos;

    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;
    ~WindowSystem();

private:
    explicit WindowSystem(Backend& backend);

    static WindowSystem* FInstance;

    Backend* FBackend;
    std::thread::id FUiThread;
    HandleTable FHandles;
    WindowClassRegistry FClasses;
    PostedQueue FPosted;
    InputQueue FInput;
    TimerQueue FTimers;
    HookChain FHooks;
    std::unique_ptr<PaintManager> FPaint;
    std::unique_ptr<InputRouter> FRouter;
    std::unique_ptr<FocusManager> FFocus;
    std::vector<Window*> FTopLevels;
    std::map<std::string, UINT> FRegisteredMessages;
    int FHandlerDepth = 0;
};
