// Loading the generated skins for the tests.
#include "SkinUnderTest.h"

#include "resources/InternalSkins.h"
#include "skin/data/SkinFiles.h"
#include "skin/data/TacSkinLoader.h"

#include <filesystem>

namespace {

std::unique_ptr<SkinUnderTest> FromArchive(const std::string& name, std::vector<std::uint8_t> bytes) {
    auto skin = std::make_unique<SkinUnderTest>();
    skin->Name = name;
    skin->Archive = std::make_unique<TacSkinConvertor>();
    skin->Archive->AttachSource(std::move(bytes));
    if (!skin->Archive->ReadPackedData()) skin->Problems.push_back("archive: " + skin->Archive->Error());
    skin->Options.SetText(skin->Archive->Options());
    BuildSkin(skin->Model, skin->Options, TacSkinImageSource::FromArchive(skin->Archive.get()), {}, &skin->Problems);
    return skin;
}

std::unique_ptr<SkinUnderTest> FromFolder(const std::string& name, const std::string& folder) {
    auto skin = std::make_unique<SkinUnderTest>();
    skin->Name = name;
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(folder + "Options.dat", bytes)) skin->Problems.push_back("no Options.dat in " + folder);
    skin->Options.SetText(std::string(bytes.begin(), bytes.end()));
    TacSkinBuildSettings settings;
    settings.SkinPath = folder;
    BuildSkin(skin->Model, skin->Options, TacSkinImageSource::FromFolder(folder), settings, &skin->Problems);
    return skin;
}

} // namespace

std::string ShippedSkinsFolder() {
    return (std::filesystem::current_path() / "Skins" / "").string();
}

std::vector<std::unique_ptr<SkinUnderTest>> SkinUnderTest::All() {
    std::vector<std::unique_ptr<SkinUnderTest>> skins;
    for (const TInternalSkin& skin : InternalSkinArchives()) {
        skins.push_back(FromArchive(std::string(skin.Name), {skin.Data.begin(), skin.Data.end()}));
    }
    std::vector<std::uint8_t> packed;
    ReadWholeFile(ShippedSkinsFolder() + "Meadow.asz", packed);
    skins.push_back(FromArchive("Meadow", std::move(packed)));
    skins.push_back(FromFolder("Graphite", ShippedSkinsFolder() + "Graphite/"));
    return skins;
}
