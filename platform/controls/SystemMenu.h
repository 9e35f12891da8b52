// The system menu of a window: the standard items (Restore, Move, Size, Minimize, Maximize,
// Close) with their SC_* ids, made per window on first use and enabled by the window's state.
#pragma once

#include "platform/window/WinTypes.h"

class SystemMenu {
public:
    // The window's copy; revert destroys it (and returns nullptr).
    static HMENU Get(HWND hwnd, bool revert);
    // Enables the items as the window's styles and state allow.
    static void Refresh(HWND hwnd, HMENU menu);

private:
    static HMENU Build(HWND hwnd);
    static void SweepDestroyed();
};
