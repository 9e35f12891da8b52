// Letter case of the characters our texts use (Latin, Latin-1 and the Cyrillic of the
// Windows-1251 code page): the one case mapping and the one case-blind comparison.
#pragma once

#include <string_view>

char32_t UpperChar(char32_t c);
char32_t LowerChar(char32_t c);

// Alphabetical order without case: < 0, 0 or > 0 as a sorts before, with or after b. Ё sorts
// right after Е; a malformed byte sorts after every character and equals only itself.
int CompareIgnoreCase(std::string_view a, std::string_view b);
bool SameTextIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
