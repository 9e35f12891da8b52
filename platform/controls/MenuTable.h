// The menu objects of the UI thread, reached by handles that are checked like window handles: a
// handle of a destroyed menu is refused even after its slot has been reused.
#pragma once

#include "platform/controls/Menu.h"

#include <memory>
#include <vector>

class MenuTable {
public:
    // Menus live apart from windows (a menu may be built before any window exists and may be
    // shared), so the table is the UI thread's one store of them, as the desktop keeps its own.
    static MenuTable& Instance();

    HMENU Add(std::unique_ptr<Menu> menu);
    Menu* Find(HMENU menu) const;
    // Destroys the menu and, recursively, its submenus.
    bool Destroy(HMENU menu);
    std::size_t Count() const;
    // Every live menu's handle.
    std::vector<HMENU> Handles() const;

    struct TLocation {
        HMENU Owner = nullptr; // the menu that holds the item
        int Index = -1;
        Menu* Object() const { return Instance().Find(Owner); }
        MenuItem* Item() const;
    };
    // Finds an item by position (MF_BYPOSITION) or by command id, the latter searching submenus
    // too (a command item before a submenu item with the same id).
    TLocation Locate(HMENU menu, UINT item, UINT flags) const;

private:
    static constexpr int kIndexBits = 16;
    static constexpr std::uintptr_t kIndexMask = (1u << kIndexBits) - 1;

    struct Slot {
        std::unique_ptr<Menu> Object;
        std::uintptr_t Generation = 0;
    };
    TLocation FindCommand(HMENU menu, UINT id, int depth) const;

    std::vector<Slot> FSlots{1}; // slot 0 unused: no handle is zero
    std::vector<std::uint32_t> FFree;
};
