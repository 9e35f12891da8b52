// Where the menu module plugs into the default window procedure: the menu bar's height and
// painting, mouse and keyboard entry into the menu bar, and the system menu. Until the menu
// module sets them, a window with a menu gets an empty bar of SM_CYMENU pixels and the menu
// entries do nothing.
#pragma once

#include "platform/window/WinTypes.h"

#include <functional>

struct TMenuHooks {
    // Height of the menu bar of a top-level window with a menu, for a window of that width.
    std::function<int(HWND, HMENU, int windowWidth)> MenuBarHeight;
    // Paints the bar into a window context; bar is in window coordinates.
    std::function<void(HWND, HMENU, HDC, const TRect& bar, bool active)> PaintMenuBar;
    // A press on the bar (HTMENU) at a screen point: runs the menu loop.
    std::function<void(HWND, TPoint screen)> TrackMenuBar;
    // SC_KEYMENU: Alt or F10 alone (key 0) or Alt+letter.
    std::function<void(HWND, WPARAM key)> KeyMenu;
    // Opens the system menu at a screen point (Alt+Space, the icon, a right click on the caption).
    std::function<void(HWND, TPoint screen)> ShowSystemMenu;
};

void SetMenuHooks(TMenuHooks hooks);
const TMenuHooks& GetMenuHooks();
