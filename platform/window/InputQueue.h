// Raw input from the back end, queued from any thread until the UI thread takes it.
#pragma once

#include "platform/window/Backend.h"

#include <deque>
#include <functional>
#include <mutex>
#include <string>

struct TInputEvent {
    enum class TKind { ikMouseMove, ikButton, ikWheel, ikKey, ikText, ikAppActivation, ikDesktopMinimize, ikDesktopClose, ikTask };
    TKind Kind = TKind::ikMouseMove;
    TPoint Pos;
    TMouseButton Button = TMouseButton::mbLeft;
    bool Down = false;        // button or key down; minimise; app active
    int Delta = 0;
    UINT Vk = 0;
    char32_t Character = 0; // of a key, as the layout types it
    std::string Text;
    HWND Window = nullptr;
    std::function<void()> Task;
};

class InputQueue final : public InputSink {
public:
    void SetBackend(Backend* backend) { FBackend = backend; }

    void MouseMove(int x, int y) override;
    void MouseButton(TMouseButton button, bool down, int x, int y) override;
    void MouseWheel(int delta, int x, int y) override;
    void Key(UINT vk, bool down, char32_t character = 0) override;
    void Text(const std::string& utf8) override;
    void AppActivation(bool active) override;
    void DesktopMinimize(HWND topLevel, bool minimized) override;
    void DesktopClose(HWND topLevel) override;
    void RunOnUi(std::function<void()> fn) override;

    bool Pop(TInputEvent& out);
    bool Empty() const;

private:
    void Push(TInputEvent event);

    mutable std::mutex FMutex;
    std::deque<TInputEvent> FEvents;
    Backend* FBackend = nullptr;
};
