// Menu items and their text parts.
#include "platform/controls/Menu.h"
#include "platform/text/Utf8.h"

char32_t MnemonicFold(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

std::string MenuItem::Label() const {
    return Text.substr(0, Text.find('\t'));
}

std::string MenuItem::Shortcut() const {
    std::size_t tab = Text.find('\t');
    return tab == std::string::npos ? std::string() : Text.substr(tab + 1);
}

char32_t MenuItem::Mnemonic() const {
    std::u32string text = DecodeUtf8(Label());
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&') continue;
        if (text[i + 1] != U'&') return MnemonicFold(text[i + 1]);
        ++i; // "&&" is a plain ampersand
    }
    return 0;
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
