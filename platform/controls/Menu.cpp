// Menu items and their text parts.
#include "platform/controls/Menu.h"

#include "platform/system/Mnemonic.h"

std::string MenuItem::Label() const {
    return Text.substr(0, Text.find('\t'));
}

std::string MenuItem::Shortcut() const {
    std::size_t tab = Text.find('\t');
    return tab == std::string::npos ? std::string() : Text.substr(tab + 1);
}

char32_t MenuItem::Mnemonic() const {
    return MnemonicOf(Label());
}

int Menu::IndexOfId(UINT id) const {
    for (int i = 0; i < Count(); ++i)
        if (!FItems[i].SubMenu && !FItems[i].IsSeparator() && FItems[i].Id == id) return i;
    return -1;
}

int Menu::IndexOfSubMenu(HMENU sub) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[i].SubMenu == sub) return i;
    return -1;
}

int Menu::Hilited() const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[i].State & MFS_HILITE) return i;
    return -1;
}

void Menu::Hilite(int index) {
    for (int i = 0; i < Count(); ++i) {
        if (i == index) FItems[i].State |= MFS_HILITE;
        else FItems[i].State &= ~MFS_HILITE;
    }
}

void Menu::Invalidate() {
    for (MenuItem& item : FItems) item.Measured = false;
}
