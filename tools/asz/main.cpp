// asz: the skin author's tool for packed skin archives.
#include "tools/asz/AszCommands.h"

#include "skin/data/SkinWarning.h"

#include <iostream>
#include <string>

namespace {

int Usage() {
    std::cerr << "usage: asz list FILE.asz\n"
                 "       asz unpack [--force] FILE.asz DIR\n"
                 "       asz pack DIR FILE.asz\n"
                 "       asz check FILE.asz|DIR\n"
                 "FILE.asz may also name an internal skin of the game, e.g. \"Wood (internal)\".\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    SetSkinWarningHandler([](const std::string&, const std::string& text) { std::cerr << "asz: " << text << "\n"; });
    if (argc < 3) return Usage();
    std::string command = argv[1];
    if (command == "list" && argc == 3) return AszList(argv[2], std::cout, std::cerr);
    if (command == "unpack" && argc == 4) return AszUnpack(argv[2], argv[3], std::cout, std::cerr);
    if (command == "unpack" && argc == 5 && std::string(argv[2]) == "--force") {
        return AszUnpack(argv[3], argv[4], std::cout, std::cerr, true);
    }
    if (command == "pack" && argc == 4) return AszPack(argv[2], argv[3], std::cout, std::cerr);
    if (command == "check" && argc == 3) return AszCheck(argv[2], std::cout, std::cerr);
    return Usage();
}
