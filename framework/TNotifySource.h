// The child window a notification to its parent comes from (WM_COMMAND, WM_NOTIFY, scroll,
// owner-draw and colour messages), so the parent can hand it back to that child's control.
#pragma once

#include "platform/window/WinTypes.h"

class TNotifySource {
public:
    // nullptr when the message names no child window.
    static HWND ChildOf(HWND parent, UINT msg, LPARAM lParam);
};
