// Conversion between the UTF-8 kept in memory and the Windows-1251 text kept in files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Windows-1251 bytes to UTF-8. Every byte has a character, so nothing is lost: the one unassigned
// byte, $98, stands for U+0098 and converts back to itself.
std::string Cp1251ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1251. A character the code page lacks becomes '?', and so does every byte of
// malformed UTF-8 (stray continuation bytes, overlong forms, surrogates, truncated sequences).
std::string Utf8ToCp1251(std::string_view utf8);

// Reads one code point at pos and moves pos past it; a malformed byte gives -1 and moves one byte.
std::int32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

// Number of characters as the code page counts them (one per code point or malformed byte).
std::size_t CharCount(std::string_view utf8);

// The first maxChars characters of a UTF-8 text, never cutting a character in two.
std::string_view LeadingChars(std::string_view utf8, std::size_t maxChars);

// Case-insensitive equality over the letters Windows-1251 knows (Latin and Cyrillic), as the
// INI facility matches section and key names.
bool SameTextIgnoreCase(std::string_view a, std::string_view b);
