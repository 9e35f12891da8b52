// Writes the C++ source that carries the internal skins' archives inside the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct EmbeddedSkin {
    std::string Name;
    std::vector<std::uint8_t> Archive;
};

class EmbedWriter {
public:
    // The file is rewritten only when its text changes, so an unchanged skin rebuilds nothing.
    static void Write(const std::string& path, const std::vector<EmbeddedSkin>& skins);
};
