// The UI thread's queue of posted messages and its quit flag.
#pragma once

#include "platform/window/WinTypes.h"

#include <deque>

class PostedQueue {
public:
    void Post(const MSG& msg) { FMessages.push_back(msg); }
    // The first message for hwnd (nullptr: any window, thread messages included) whose number lies
    // in [minMsg, maxMsg] (0, 0: any); removed when remove is set.
    bool Take(MSG& out, HWND hwnd, UINT minMsg, UINT maxMsg, bool remove);
    bool Empty() const { return FMessages.empty(); }
    // Drops every message addressed to a window that is being destroyed.
    void Purge(HWND hwnd);

    // WM_QUIT is a flag, not a message: it is delivered once the posted messages are gone.
    void PostQuit(int exitCode) {
        FQuit = true;
        FExitCode = exitCode;
    }
    bool QuitPending() const { return FQuit; }
    int ExitCode() const { return FExitCode; }
    int TakeQuit() {
        FQuit = false;
        return FExitCode;
    }

private:
    std::deque<MSG> FMessages;
    bool FQuit = false;
    int FExitCode = 0;
};
