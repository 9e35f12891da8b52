// Start, stop and the process-wide instance of the window system.
#include "platform/window/WindowSystem.h"
#include "platform/window/FocusManager.h"
#include "platform/window/InputRouter.h"
#include "platform/window/PaintManager.h"
#include "platform/window/WindowApi.h"

#include <cstdio>
#include <cstdlib>

WindowSystem* WindowSystem::FInstance = nullptr;

WindowSystem::WindowSystem(Backend& backend)
    : FBackend(&backend), FUiThread(std::this_thread::get_id()) {
    FPaint = std::make_unique<PaintManager>(*this);
    FRouter = std::make_unique<InputRouter>(*this);
    FFocus = std::make_unique<FocusManager>(*this);
}

WindowSystem::~WindowSystem() = default;

void WindowSystem::Start(Backend& backend) {
    if (FInstance) {
        std::fprintf(stderr, "window system: started twice\n");
        std::abort();
    }
    FInstance = new WindowSystem(backend);
    FInstance->FInput.SetBackend(&backend);
    backend.Attach(&FInstance->FInput);
}

void WindowSystem::Stop() {
    WindowSystem* ws = Current();
    if (!ws) return;
    // Owned and child windows go with their top-level windows.
    while (!ws->FTopLevels.empty()) {
        HWND h = ws->FTopLevels.back()->FHandle;
        if (!DestroyWindow(h)) {
            Window* w = ws->Find(h);
            if (w) { // a hook refused: take it down anyway
                ws->FHooks = HookChain();
                DestroyWindow(h);
            }
        }
    }
    ws->FHandles.Collect();
    ws->FBackend->Detach();
    ws->FInput.SetBackend(nullptr);
    FInstance = nullptr;
    delete ws;
}

WindowSystem* WindowSystem::Current() {
    WindowSystem* ws = FInstance;
    if (ws && std::this_thread::get_id() != ws->FUiThread) {
        std::fprintf(stderr, "window system: called from a thread other than the UI thread\n");
        std::abort();
    }
    return ws;
}

UINT WindowSystem::RegisterMessage(const std::string& name) {
    if (name.empty()) return 0;
    auto it = FRegisteredMessages.find(name);
    if (it != FRegisteredMessages.end()) return it->second;
    UINT id = 0xC000 + static_cast<UINT>(FRegisteredMessages.size());
    if (id > 0xFFFF) return 0;
    FRegisteredMessages[name] = id;
    return id;
}

void WindowSystem::NotifyTopLevel(Window* w, TTopLevelChange change) {
    if (!w || w->FParent) return;
    TTopLevelState s;
    s.Bounds = w->FRect;
    s.Visible = (w->FStyle & WS_VISIBLE) != 0;
    s.Minimized = (w->FStyle & WS_MINIMIZE) != 0;
    s.Maximized = (w->FStyle & WS_MAXIMIZE) != 0;
    s.TopMost = (w->FExStyle & WS_EX_TOPMOST) != 0;
    s.Popup = (w->FStyle & WS_POPUP) != 0;
    s.ToolWindow = (w->FExStyle & WS_EX_TOOLWINDOW) != 0;
    s.Layered = (w->FExStyle & WS_EX_LAYERED) != 0;
    s.DropShadow = (w->ClassStyle() & CS_DROPSHADOW) != 0;
    s.Shape = w->FShape;
    s.Text = w->FText;
    auto& tops = FTopLevels;
    for (std::size_t i = 0; i < tops.size(); ++i)
        if (tops[i] == w) s.InsertAfter = i == 0 ? nullptr : tops[i - 1]->FHandle;
    FBackend->TopLevelChanged(w->FHandle, change, s);
}
