// Key-name parsing.
#include "platform/automation/KeyNames.h"
#include "platform/window/VirtualKeys.h"

#include <algorithm>
#include <cctype>
#include <map>

static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::optional<UINT> KeyNames::KeyCode(const std::string& name) {
    static const std::map<std::string, UINT> named = {
        {"enter", VK_RETURN},   {"return", VK_RETURN}, {"esc", VK_ESCAPE},     {"escape", VK_ESCAPE},
        {"tab", VK_TAB},        {"space", VK_SPACE},   {"back", VK_BACK},      {"backspace", VK_BACK},
        {"delete", VK_DELETE},  {"del", VK_DELETE},    {"insert", VK_INSERT},  {"ins", VK_INSERT},
        {"home", VK_HOME},      {"end", VK_END},       {"pageup", VK_PRIOR},   {"pgup", VK_PRIOR},
        {"pagedown", VK_NEXT},  {"pgdn", VK_NEXT},     {"up", VK_UP},          {"down", VK_DOWN},
        {"left", VK_LEFT},      {"right", VK_RIGHT},   {"alt", VK_MENU},       {"ctrl", VK_CONTROL},
        {"control", VK_CONTROL}, {"shift", VK_SHIFT},  {"apps", VK_APPS},      {"menu", VK_APPS},
    };
    std::string key = Lower(name);
    auto it = named.find(key);
    if (it != named.end()) return it->second;
    if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0])))
        return static_cast<UINT>(std::toupper(static_cast<unsigned char>(key[0])));
    if (key.size() >= 2 && key[0] == 'f' && std::all_of(key.begin() + 1, key.end(), ::isdigit)) {
        int n = std::stoi(key.substr(1));
        if (n >= 1 && n <= 12) return VK_F1 + static_cast<UINT>(n - 1);
    }
    return std::nullopt;
}

std::optional<TKeyChord> KeyNames::Parse(const std::string& name) {
    TKeyChord chord;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t plus = name.find('+', start);
        parts.push_back(name.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        auto code = KeyCode(parts[i]);
        if (!code || parts[i].empty()) return std::nullopt;
        bool last = i + 1 == parts.size();
        bool modifier = *code == VK_CONTROL || *code == VK_MENU || *code == VK_SHIFT;
        if (!last) {
            if (!modifier) return std::nullopt;
            chord.Modifiers.push_back(*code);
        } else {
            chord.Vk = *code;
        }
    }
    bool shift = std::find(chord.Modifiers.begin(), chord.Modifiers.end(), VK_SHIFT) != chord.Modifiers.end();
    bool other = chord.Modifiers.size() > (shift ? 1u : 0u);
    if (!other) {
        char c = 0;
        if (chord.Vk >= '0' && chord.Vk <= '9' && !shift) c = static_cast<char>(chord.Vk);
        if (chord.Vk >= 'A' && chord.Vk <= 'Z') c = static_cast<char>(shift ? chord.Vk : chord.Vk + 32);
        if (chord.Vk == VK_SPACE) c = ' ';
        if (c) chord.Text.push_back(c);
    }
    return chord;
}
