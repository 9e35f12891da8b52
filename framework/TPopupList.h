// The hidden window popup menus are tracked for: the platform sends it the chosen command, the
// submenu openings and the owner-draw requests of every popup menu, and it hands each message to
// the popup menu that holds the item.
#pragma once

#include "platform/window/WinTypes.h"

#include <vector>

class TPopupMenu;

class TPopupList {
public:
    static void Add(TPopupMenu* menu);
    // The window goes with the last popup menu.
    static void Remove(TPopupMenu* menu);
    // Made on first use (again after the window system restarted).
    static HWND Window();

private:
    static LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static bool Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    // The popup menus of the UI thread: one list, because the platform reports a popup menu's
    // messages to a window, and one window serves them all.
    static std::vector<TPopupMenu*> FMenus;
    static HWND FWindow;
};
