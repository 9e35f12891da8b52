// System menus.
#include "platform/controls/SystemMenu.h"
#include "platform/controls/MenuApi.h"
#include "platform/controls/MenuTable.h"
#include "platform/window/Win.h"

namespace {
const char* const kSysMenuProp = "#SysMenu";
}

void SystemMenu::SweepDestroyed() {
    MenuTable& table = MenuTable::Instance();
    for (HMENU menu : table.Handles()) {
        Menu* m = table.Find(menu);
        if (m && m->IsSystem() && !IsWindow(m->FSystemOwner)) table.Destroy(menu);
    }
}

HMENU SystemMenu::Build(HWND hwnd) {
    HMENU menu = CreatePopupMenu();
    DWORD style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    bool sizing = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) != 0;
    if (sizing) AppendMenu(menu, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenu(menu, MF_STRING, SC_MOVE, "&Move");
    if (sizing) {
        AppendMenu(menu, MF_STRING, SC_SIZE, "&Size");
        AppendMenu(menu, MF_STRING, SC_MINIMIZE, "Mi&nimize");
        AppendMenu(menu, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    }
    AppendMenu(menu, MF_SEPARATOR, 0, "");
    AppendMenu(menu, MF_STRING | MF_DEFAULT, SC_CLOSE, "&Close\tAlt+F4");
    MenuTable::Instance().Find(menu)->FSystemOwner = hwnd;
    return menu;
}

HMENU SystemMenu::Get(HWND hwnd, bool revert) {
    // Windows do not tell the menu module when they go; their system menus are freed here.
    SweepDestroyed();
    if (!IsWindow(hwnd)) return nullptr;
    HMENU menu = reinterpret_cast<HMENU>(GetProp(hwnd, kSysMenuProp));
    if (!IsMenu(menu)) menu = nullptr;
    if (revert) {
        if (menu) DestroyMenu(menu);
        RemoveProp(hwnd, kSysMenuProp);
        return nullptr;
    }
    if (!menu) {
        menu = Build(hwnd);
        SetProp(hwnd, kSysMenuProp, reinterpret_cast<std::uintptr_t>(menu));
    }
    return menu;
}

void SystemMenu::Refresh(HWND hwnd, HMENU menu) {
    DWORD style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    bool maximized = IsZoomed(hwnd), minimized = IsIconic(hwnd);
    auto enable = [&](UINT id, bool on) { EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
    enable(SC_RESTORE, maximized || minimized);
    enable(SC_MOVE, !maximized);
    enable(SC_SIZE, (style & WS_THICKFRAME) && !maximized && !minimized);
    enable(SC_MINIMIZE, (style & WS_MINIMIZEBOX) && !minimized);
    enable(SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) && !maximized);
    enable(SC_CLOSE, !(GetClassStyle(hwnd) & CS_NOCLOSE));
}
