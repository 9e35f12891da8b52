// A menu object: its items and the sizes measured for them. Reached only through an HMENU.
#pragma once

#include "platform/controls/MenuCodes.h"

#include <string>
#include <vector>

struct MenuItem {
    UINT Type = MFT_STRING;  // MFT_*
    UINT State = 0;          // MFS_*
    UINT Id = 0;
    HMENU SubMenu = nullptr;
    UINT_PTR Data = 0;
    std::string Text;
    // Measured size, kept until the item changes (owner-draw sizes come from the owner).
    TSize Size;
    bool Measured = false;

    bool IsSeparator() const { return (Type & MFT_SEPARATOR) != 0; }
    bool IsOwnerDraw() const { return (Type & MFT_OWNERDRAW) != 0; }
    bool IsDisabled() const { return (State & MFS_GRAYED) != 0; }
    // Something that can be chosen or opened from the keyboard.
    bool IsSelectable() const { return !IsSeparator() && !IsDisabled(); }
    // The text before the tab, and the shortcut after it.
    std::string Label() const;
    std::string Shortcut() const;
    // The mnemonic letter (after a single "&"), lower-cased; 0 when none.
    char32_t Mnemonic() const;
};

class Menu {
public:
    explicit Menu(bool popup) : FPopup(popup) {}

    bool IsPopup() const { return FPopup; }
    std::vector<MenuItem>& Items() { return FItems; }
    const std::vector<MenuItem>& Items() const { return FItems; }
    int Count() const { return static_cast<int>(FItems.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    // Position of the first item with the command id in this menu only; -1 when none.
    int IndexOfId(UINT id) const;
    int IndexOfSubMenu(HMENU sub) const;
    // The highlighted item (MFS_HILITE), -1 when none; Hilite(-1) clears it.
    int Hilited() const;
    void Hilite(int index);
    // Sizes must be measured again (text, font or type changed).
    void Invalidate();

    // A system menu belongs to one window and sends it WM_SYSCOMMAND.
    HWND FSystemOwner = nullptr;
    bool IsSystem() const { return FSystemOwner != nullptr; }

private:
    bool FPopup;
    std::vector<MenuItem> FItems;
};
