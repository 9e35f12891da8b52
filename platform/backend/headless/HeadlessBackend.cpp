// The headless back end.
#include "platform/backend/headless/HeadlessBackend.h"

HeadlessBackend::HeadlessBackend(TSize screen) : FScreen(screen) {}

void HeadlessBackend::Attach(InputSink* sink) {
    std::lock_guard<std::mutex> sinkLock(FSinkMutex);
    std::lock_guard<std::mutex> lock(FMutex);
    FSink = sink;
    FFinished = false;
}

void HeadlessBackend::Detach() {
    std::lock_guard<std::mutex> sinkLock(FSinkMutex);
    FSink = nullptr;
}

bool HeadlessBackend::WithSink(const std::function<void(InputSink&)>& fn) {
    std::lock_guard<std::mutex> sinkLock(FSinkMutex);
    if (!FSink) return false;
    fn(*FSink);
    return true;
}

void HeadlessBackend::WaitForInput(std::uint64_t deadlineMs) {
    std::unique_lock<std::mutex> lock(FMutex);
    FDeadline = deadlineMs;
    FWaiting = true;
    FChanged.notify_all();
    // The virtual clock never moves by itself: only a wake (input, or a driver moving the clock)
    // ends the wait, unless the deadline has already passed.
    FChanged.wait(lock, [&] { return FWoken || FClock.NowMs() >= FDeadline; });
    FWoken = false;
    FWaiting = false;
    FDeadline = kNoDeadline;
}

void HeadlessBackend::Wake() {
    std::lock_guard<std::mutex> lock(FMutex);
    FWoken = true;
    FChanged.notify_all();
}

void HeadlessBackend::WaitIdle() {
    std::unique_lock<std::mutex> lock(FMutex);
    FChanged.wait(lock, [&] { return FFinished || (FWaiting && !FWoken); });
}

std::uint64_t HeadlessBackend::IdleDeadline() {
    std::lock_guard<std::mutex> lock(FMutex);
    return FDeadline;
}

void HeadlessBackend::SetTime(std::uint64_t nowMs) {
    std::lock_guard<std::mutex> lock(FMutex);
    FClock.Set(nowMs);
    FWoken = true;
    FChanged.notify_all();
}

void HeadlessBackend::MarkFinished() {
    std::lock_guard<std::mutex> lock(FMutex);
    FFinished = true;
    FChanged.notify_all();
}

void HeadlessBackend::SetClipboardText(const std::string& text) {
    std::lock_guard<std::mutex> lock(FMutex);
    FClipboard = text;
}

std::string HeadlessBackend::GetClipboardText() {
    std::lock_guard<std::mutex> lock(FMutex);
    return FClipboard;
}

bool HeadlessBackend::ShellOpen(const std::string& target, int showCommand) {
    std::lock_guard<std::mutex> lock(FMutex);
    FShellOpened.push_back(target);
    FShellShowCommands.push_back(showCommand);
    return true;
}

std::vector<std::string> HeadlessBackend::ShellOpened() const {
    std::lock_guard<std::mutex> lock(FMutex);
    return FShellOpened;
}

std::vector<int> HeadlessBackend::ShellShowCommands() const {
    std::lock_guard<std::mutex> lock(FMutex);
    return FShellShowCommands;
}
