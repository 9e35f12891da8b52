// Scrambling on the code page's bytes, so a stored record reads the same as in any earlier file.
#include "app/logic/ScrambleText.h"

#include "platform/system/CodePage.h"

std::string ScrambleText(std::string_view text, std::uint8_t key) {
    std::string bytes = Utf8ToCp1251(text);
    for (char& byte : bytes) byte = static_cast<char>(static_cast<unsigned char>(byte) ^ key);
    return Cp1251ToUtf8(bytes);
}
