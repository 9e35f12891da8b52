// The back end without a display: a virtual screen, a virtual clock that moves only when told,
// an in-memory clipboard and a record of shell opens. Tests and the automation mode run on it.
#pragma once

#include "platform/automation/DrivableBackend.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

class HeadlessBackend final : public DrivableBackend {
public:
    static constexpr int kTaskBarHeight = 30;

    explicit HeadlessBackend(TSize screen = {1280, 1024});

    void Attach(InputSink* sink) override;
    void Detach() override;
    Clock& GetClock() override { return FClock; }
    VirtualClock& Virtual() { return FClock; }
    TSize ScreenSize() const override { return FScreen; }
    // The screen less a task bar along the bottom.
    TRect WorkArea() const override { return {0, 0, FScreen.cx, FScreen.cy - kTaskBarHeight}; }

    void WaitForInput(std::uint64_t deadlineMs) override;
    void Wake() override;

    void TopLevelChanged(HWND, TTopLevelChange, const TTopLevelState&) override {}
    void Present(HWND, const Bitmap&, const Region&) override { ++FPresents; }
    void SetCursorShape(int idc) override { FCursorShape = idc; }
    void MoveCursor(TPoint) override {}
    void SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;
    bool ShellOpen(const std::string& target, int showCommand) override;

    bool WithSink(const std::function<void(InputSink&)>& fn) override;
    void WaitIdle() override;
    std::uint64_t IdleDeadline() override;
    void SetTime(std::uint64_t nowMs) override;
    void MarkFinished() override;

    std::vector<std::string> ShellOpened() const;
    // The show command of each open, in the same order.
    std::vector<int> ShellShowCommands() const;
    int CursorShape() const { return FCursorShape; }
    std::uint64_t Presents() const { return FPresents; }

private:
    TSize FScreen;
    VirtualClock FClock;
    InputSink* FSink = nullptr;
    std::mutex FSinkMutex; // held while a driver feeds the sink, so detaching waits for it

    mutable std::mutex FMutex;
    std::condition_variable FChanged;
    bool FWoken = false;
    bool FWaiting = false;
    bool FFinished = false;
    std::uint64_t FDeadline = kNoDeadline;

    std::string FClipboard;
    std::vector<std::string> FShellOpened;
    std::vector<int> FShellShowCommands;
    int FCursorShape = 0;
    std::uint64_t FPresents = 0;
};
