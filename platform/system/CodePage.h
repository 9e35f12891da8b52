// Conversion between the UTF-8 kept in memory and the Windows-1251 text kept in files.
#pragma once

#include <string>
#include <string_view>

// Windows-1251 bytes to UTF-8. Every byte has a character, so nothing is lost: the one unassigned
// byte, $98, stands for U+0098 and converts back to itself.
std::string Cp1251ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1251. A character the code page lacks becomes '?', and so does each malformed
// piece of UTF-8 (see NextCodePoint).
std::string Utf8ToCp1251(std::string_view utf8);

// Number of characters as the code page counts them (one per code point or malformed piece).
std::size_t CharCount(std::string_view utf8);

// The first maxChars characters of a UTF-8 text, never cutting a character in two.
std::string_view LeadingChars(std::string_view utf8, std::size_t maxChars);

