// The thread-safe raw input queue.
#include "platform/window/InputQueue.h"

using TKind = TInputEvent::TKind;

void InputQueue::Push(TInputEvent event) {
    {
        std::lock_guard<std::mutex> lock(FMutex);
        FEvents.push_back(std::move(event));
    }
    if (FBackend) FBackend->Wake();
}

void InputQueue::MouseMove(int x, int y) {
    TInputEvent e;
    e.Kind = TKind::ikMouseMove;
    e.Pos = {x, y};
    Push(std::move(e));
}

void InputQueue::MouseButton(TMouseButton button, bool down, int x, int y) {
    TInputEvent e;
    e.Kind = TKind::ikButton;
    e.Button = button;
    e.Down = down;
    e.Pos = {x, y};
    Push(std::move(e));
}

void InputQueue::MouseWheel(int delta, int x, int y) {
    TInputEvent e;
    e.Kind = TKind::ikWheel;
    e.Delta = delta;
    e.Pos = {x, y};
    Push(std::move(e));
}

void InputQueue::Key(UINT vk, bool down, char32_t character) {
    TInputEvent e;
    e.Kind = TKind::ikKey;
    e.Vk = vk;
    e.Character = character;
    e.Down = down;
    Push(std::move(e));
}

void InputQueue::Text(const std::string& utf8) {
    TInputEvent e;
    e.Kind = TKind::ikText;
    e.Text = utf8;
    Push(std::move(e));
}

void InputQueue::AppActivation(bool active) {
    TInputEvent e;
    e.Kind = TKind::ikAppActivation;
    e.Down = active;
    Push(std::move(e));
}

void InputQueue::DesktopMinimize(HWND topLevel, bool minimized) {
    TInputEvent e;
    e.Kind = TKind::ikDesktopMinimize;
    e.Window = topLevel;
    e.Down = minimized;
    Push(std::move(e));
}

void InputQueue::DesktopClose(HWND topLevel) {
    TInputEvent e;
    e.Kind = TKind::ikDesktopClose;
    e.Window = topLevel;
    Push(std::move(e));
}

void InputQueue::RunOnUi(std::function<void()> fn) {
    TInputEvent e;
    e.Kind = TKind::ikTask;
    e.Task = std::move(fn);
    Push(std::move(e));
}

bool InputQueue::Pop(TInputEvent& out) {
    std::lock_guard<std::mutex> lock(FMutex);
    if (FEvents.empty()) return false;
    out = std::move(FEvents.front());
    FEvents.pop_front();
    return true;
}

bool InputQueue::Empty() const {
    std::lock_guard<std::mutex> lock(FMutex);
    return FEvents.empty();
}
