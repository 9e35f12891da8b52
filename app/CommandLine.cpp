// Command-line parsing.
#include "app/CommandLine.h"

#include "platform/system/Files.h"

#include <charconv>

namespace {
bool ParseUnsigned(const std::string& s, std::uint32_t& out) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

// "WxH" with both sides between 64 and 16384 pixels.
bool ParseScreen(const std::string& s, TSize& out) {
    std::size_t x = s.find_first_of("xX");
    std::uint32_t w = 0, h = 0;
    if (x == std::string::npos || !ParseUnsigned(s.substr(0, x), w) || !ParseUnsigned(s.substr(x + 1), h)) return false;
    if (w < 64 || h < 64 || w > 16384 || h > 16384) return false;
    out = {static_cast<int>(w), static_cast<int>(h)};
    return true;
}
}

std::string CommandLine::Usage() {
    return "usage: tavik-sudoku [--headless] [--screen WxH] [--seed N] [--script FILE] [--skin NAME] [--help] [--version]\n"
           "  --headless      run without a display, on a virtual screen and clock\n"
           "  --screen WxH    size of the virtual screen (default 1280x1024)\n"
           "  --seed N        seed of the puzzle generator\n"
           "  --script FILE   run an automation script (headless only)\n"
           "  --skin NAME     start with this skin switched on: an internal skin such as \"Wood (internal)\",\n"
           "                  or a skin folder or .asz file in the Skins folder\n";
}

bool CommandLine::Parse(int argc, const char* const* argv, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--headless") Headless = true;
        else if (arg == "--help" || arg == "-h") Help = true;
        else if (arg == "--version") Version = true;
        else if (arg == "--screen") {
            if (!value(v) || !ParseScreen(v, Screen)) return fail("--screen needs a size like 1280x1024");
        } else if (arg == "--seed") {
            std::uint32_t seed = 0;
            if (!value(v) || !ParseUnsigned(v, seed)) return fail("--seed needs a whole number from 0 to 4294967295");
            Seed = seed;
        } else if (arg == "--skin") {
            if (!value(v) || v.empty()) return fail("--skin needs a skin name");
            Skin = v;
        } else if (arg == "--script") {
            if (!value(v) || v.empty()) return fail("--script needs a file name");
            Script = v;
        } else {
            return fail("unknown option '" + arg + "'");
        }
    }
    if (!Script.empty() && !Headless) return fail("--script runs only with --headless");
    // A folder opens like an empty file, and running nothing would pass for success.
    if (DirectoryExists(Script)) return fail("--script needs a file, and '" + Script + "' is a folder");
    return true;
}
