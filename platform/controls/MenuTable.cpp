// Menu handles and item lookup.
#include "platform/controls/MenuTable.h"

MenuTable& MenuTable::Instance() {
    static MenuTable table;
    return table;
}

HMENU MenuTable::Add(std::unique_ptr<Menu> menu) {
    std::uint32_t index;
    if (!FFree.empty()) {
        index = FFree.back();
        FFree.pop_back();
    } else {
        index = static_cast<std::uint32_t>(FSlots.size());
        if (index > kIndexMask) return nullptr;
        FSlots.emplace_back();
    }
    Slot& s = FSlots[index];
    s.Object = std::move(menu);
    ++s.Generation;
    return reinterpret_cast<HMENU>((s.Generation << kIndexBits) | index);
}

Menu* MenuTable::Find(HMENU menu) const {
    std::uintptr_t v = reinterpret_cast<std::uintptr_t>(menu);
    std::uint32_t index = static_cast<std::uint32_t>(v & kIndexMask);
    if (index == 0 || index >= FSlots.size()) return nullptr;
    const Slot& s = FSlots[index];
    return s.Object && s.Generation == (v >> kIndexBits) ? s.Object.get() : nullptr;
}

bool MenuTable::Destroy(HMENU menu) {
    Menu* m = Find(menu);
    if (!m) return false;
    std::vector<HMENU> subs;
    for (const MenuItem& item : m->Items())
        if (item.SubMenu) subs.push_back(item.SubMenu);
    std::uint32_t index = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(menu) & kIndexMask);
    FSlots[index].Object.reset();
    FFree.push_back(index);
    // A submenu shared by two menus, or a cycle, is destroyed once: the second lookup fails.
    for (HMENU sub : subs) Destroy(sub);
    return true;
}

std::size_t MenuTable::Count() const {
    std::size_t n = 0;
    for (const Slot& s : FSlots)
        if (s.Object) ++n;
    return n;
}

std::vector<HMENU> MenuTable::Handles() const {
    std::vector<HMENU> out;
    for (std::size_t i = 1; i < FSlots.size(); ++i)
        if (FSlots[i].Object) out.push_back(reinterpret_cast<HMENU>((FSlots[i].Generation << kIndexBits) | i));
    return out;
}

MenuItem* MenuTable::TLocation::Item() const {
    Menu* m = Object();
    return m && m->Valid(Index) ? &m->Items()[Index] : nullptr;
}

MenuTable::TLocation MenuTable::FindCommand(HMENU menu, UINT id, int depth) const {
    Menu* m = Find(menu);
    if (!m || depth > 16) return {};
    TLocation popupMatch;
    for (int i = 0; i < m->Count(); ++i) {
        const MenuItem& item = m->Items()[i];
        if (item.SubMenu) {
            TLocation inner = FindCommand(item.SubMenu, id, depth + 1);
            if (inner.Owner) return inner;
            if (item.Id == id && !popupMatch.Owner) popupMatch = {menu, i};
        } else if (item.Id == id && !item.IsSeparator()) {
            return {menu, i};
        }
    }
    return popupMatch;
}

MenuTable::TLocation MenuTable::Locate(HMENU menu, UINT item, UINT flags) const {
    Menu* m = Find(menu);
    if (!m) return {};
    if (flags & MF_BYPOSITION) {
        int index = static_cast<int>(item);
        return m->Valid(index) ? TLocation{menu, index} : TLocation{};
    }
    return FindCommand(menu, item, 0);
}
