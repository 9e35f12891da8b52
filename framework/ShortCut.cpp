// Packing, unpacking and naming of menu shortcuts.
#include "framework/ShortCut.h"

#include "framework/SysUtils.h"

#include "platform/window/VirtualKeys.h"

#include <array>
#include <utility>

namespace {

struct TKeyName {
    WORD Key;
    const char* Name;
};

constexpr std::array<TKeyName, 15> kKeyNames{{
    {VK_BACK, "BkSp"},
    {VK_TAB, "Tab"},
    {VK_RETURN, "Enter"},
    {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_END, "End"},
    {VK_HOME, "Home"},
    {VK_LEFT, "Left"},
    {VK_UP, "Up"},
    {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},
    {VK_INSERT, "Ins"},
    {VK_DELETE, "Del"},
}};

constexpr std::array<std::pair<TShortCut, const char*>, 3> kModifiers{{
    {scShift, "Shift+"},
    {scCtrl, "Ctrl+"},
    {scAlt, "Alt+"},
}};

std::string KeyName(WORD key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F12) return "F" + std::to_string(key - VK_F1 + 1);
    for (const TKeyName& entry : kKeyNames)
        if (entry.Key == key) return entry.Name;
    return "";
}

} // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
    TShortCut result = key & 0xFF;
    if (shift.Contains(ssShift)) result |= scShift;
    if (shift.Contains(ssCtrl)) result |= scCtrl;
    if (shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = {};
    if (shortCut & scShift) shift.Include(ssShift);
    if (shortCut & scCtrl) shift.Include(ssCtrl);
    if (shortCut & scAlt) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string name = KeyName(shortCut & 0xFF);
    if (name.empty()) return "";
    std::string text;
    for (const auto& [bit, prefix] : kModifiers)
        if (shortCut & bit) text += prefix;
    return text + name;
}

TShortCut TextToShortCut(const std::string& text) {
    std::string rest = text;
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [bit, prefix] : kModifiers) {
            const std::string p = prefix;
            if (rest.size() > p.size() && SameText(rest.substr(0, p.size()), p)) {
                modifiers |= bit;
                rest.erase(0, p.size());
                found = true;
            }
        }
    }
    for (WORD key = 1; key < 0x100; ++key)
        if (const std::string name = KeyName(key); !name.empty() && SameText(name, rest))
            return modifiers | key;
    return scNone;
}
