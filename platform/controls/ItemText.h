// How list and combo boxes compare item texts: letter case does not count (Latin and Cyrillic
// letters, Ё next to Е), so "яблоко" sorts with "Яблоко" and a typed "a" finds "Apple".
#pragma once

#include <string_view>

class ItemText {
public:
    // < 0, 0 or > 0 as a sorts before, with or after b.
    static int Compare(std::string_view a, std::string_view b);
    static bool Same(std::string_view a, std::string_view b) { return Compare(a, b) == 0; }
    static bool StartsWith(std::string_view text, std::string_view prefix);
};
