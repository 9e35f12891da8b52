// Menu module registration.
#include "platform/controls/MenuModule.h"
#include "platform/controls/MenuBar.h"
#include "platform/controls/MenuTracker.h"
#include "platform/controls/PopupMenuWindow.h"
#include "platform/window/MenuHooks.h"

void RegisterMenuControls() {
    PopupMenuWindow::Register();
    TMenuHooks hooks;
    hooks.MenuBarHeight = [](HWND hwnd, HMENU menu, int width) { return MenuBar::Height(hwnd, menu, width); };
    hooks.PaintMenuBar = [](HWND hwnd, HMENU menu, HDC dc, const TRect& bar, bool active) {
        MenuBar::Paint(hwnd, menu, dc, bar, active);
    };
    hooks.TrackMenuBar = [](HWND hwnd, TPoint screen) { MenuTracker::TrackBar(hwnd, screen); };
    hooks.KeyMenu = [](HWND hwnd, WPARAM key) { MenuTracker::KeyMenu(hwnd, key); };
    hooks.ShowSystemMenu = [](HWND hwnd, TPoint screen) { MenuTracker::ShowSystemMenu(hwnd, screen); };
    SetMenuHooks(std::move(hooks));
}
