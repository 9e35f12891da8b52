// Key names of scripts ("Enter", "Alt+F4", "Ctrl+Tab", "5", "A") and the virtual keys they stand for.
#pragma once

#include "platform/window/WinTypes.h"

#include <optional>
#include <string>
#include <vector>

struct TKeyChord {
    UINT Vk = 0;
    std::vector<UINT> Modifiers; // VK_CONTROL, VK_MENU, VK_SHIFT in the order written
    // The text a desktop would also deliver for this key ("5", "a", " "); empty for none.
    std::string Text;
};

class KeyNames {
public:
    // Case-insensitive; nullopt for an unknown name.
    static std::optional<TKeyChord> Parse(const std::string& name);
    static std::optional<UINT> KeyCode(const std::string& name);
};
