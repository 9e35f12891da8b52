// One generated skin loaded through the skin data layer, as the game would load it.
#pragma once

#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinOptions.h"
#include "skin/data/TsSkinModel.h"

#include <memory>
#include <string>
#include <vector>

struct SkinUnderTest {
    std::string Name;
    std::unique_ptr<TacSkinConvertor> Archive; // null for a skin folder
    TacSkinOptions Options;
    TsSkinModel Model;
    std::vector<std::string> Problems; // what the builders reported

    // The internal skins, the shipped packed skin and the shipped skin folder.
    static std::vector<std::unique_ptr<SkinUnderTest>> All();
};

// The Skins folder the build puts beside the test executables.
std::string ShippedSkinsFolder();
