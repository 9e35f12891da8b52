// The program's command-line options.
#pragma once

#include "platform/gfx/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>

class CommandLine {
public:
    // False with a one-line reason for an unknown option, a missing value, a bad number or a
    // script that is a folder.
    bool Parse(int argc, const char* const* argv, std::string* error);
    static std::string Usage();

    bool Headless = false;
    TSize Screen{1280, 1024};
    std::optional<std::uint32_t> Seed;
    std::string Script;
    // The skin to switch on at start, over what the settings file says; empty for none.
    std::string Skin;
    bool Help = false;
    bool Version = false;
};
