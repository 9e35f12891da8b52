// The light scrambling of stored records: each Windows-1251 character code XOR a small key.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Works on the text's Windows-1251 bytes and returns UTF-8 again; the length in characters is
// unchanged and applying it twice with the same key gives the text back (for text the code page
// can hold; other characters become '?' first). Records use the place number 1..10 as the key.
std::string ScrambleText(std::string_view text, std::uint8_t key);
