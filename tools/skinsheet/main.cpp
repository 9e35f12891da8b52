// skinsheet: writes a PNG contact sheet of a skin for the people who draw skins.
#include "tools/skinsheet/SheetSkinSource.h"
#include "tools/skinsheet/TSkinScene.h"
#include "tools/skinsheet/TSkinSheet.h"

#include "skin/data/SkinWarning.h"
#include "skin/data/TsSkinManager.h"

#include "platform/gfx/ImageFiles.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

int Usage() {
    std::cerr << "usage: skinsheet SKIN OUT.png [--cell WxH] [--caption TEXT] [--scene]\n"
                 "  SKIN is a skin folder holding Options.dat, an .asz archive or an internal skin's name\n"
                 "  --scene draws the game's main window and settings dialog instead of the sheet\n";
    return 2;
}

struct TArguments {
    std::string Skin;
    std::string Output;
    TSize Cell{110, 34};
    std::string Caption = "Кнопка Aa";
    bool Scene = false;
};

bool Parse(int argc, char** argv, TArguments& args) {
    if (argc < 3) return false;
    args.Skin = argv[1];
    args.Output = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--scene") {
            args.Scene = true;
            continue;
        }
        if (i + 1 == argc) return false;
        const char* value = argv[++i];
        if (option == "--caption") {
            args.Caption = value;
        } else if (option == "--cell") {
            if (std::sscanf(value, "%dx%d", &args.Cell.cx, &args.Cell.cy) != 2) return false;
            if (args.Cell.cx < 4 || args.Cell.cy < 4 || args.Cell.cx > 2000 || args.Cell.cy > 2000)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    TArguments args;
    if (!Parse(argc, argv, args)) return Usage();
    SetSkinWarningHandler(
        [](const std::string&, const std::string& text) { std::cerr << "skinsheet: " << text << "\n"; });
    TsSkinManager manager(nullptr);
    AddToolInternalSkins(manager.InternalSkins());
    const TacSkinSource source = SheetSkinSource(args.Skin, manager.InternalSkins());
    if (source.Kind == skNone) {
        std::cerr << "skinsheet: no skin folder, .asz archive or internal skin \"" << args.Skin << "\"\n";
        return 1;
    }
    std::vector<std::string> problems;
    if (!LoadSkinFromSource(manager.Model(), source, manager.InternalSkins(), {}, &problems)) {
        std::cerr << "skinsheet: \"" << args.Skin << "\" has no options text\n";
        return 1;
    }
    for (const std::string& problem : problems) std::cerr << "skinsheet: " << problem << "\n";
    const Bitmap sheet = args.Scene ? TSkinScene(manager).Render() : TSkinSheet(manager, args.Caption, args.Cell).Render(args.Skin);
    std::string error;
    if (!WritePngFile(args.Output, sheet, &error)) {
        std::cerr << "skinsheet: " << error << "\n";
        return 1;
    }
    std::cout << args.Output << ": " << manager.Model().GeneralData.size() << " sections\n";
    return 0;
}
