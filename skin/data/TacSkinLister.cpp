// Listing the available skins for a skin chooser.
#include "skin/data/TacSkinLister.h"

#include "skin/data/SkinFiles.h"
#include "skin/data/SkinPaths.h"

#include "framework/SysUtils.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

constexpr std::string_view PackedExtension = ".asz";

// A folder is a skin when loading would find its options file.
bool IsSkinFolder(const std::filesystem::path& folder) {
    return SkinFileExists(FindFileIgnoringCase((folder / "Options.dat").string()));
}

} // namespace

TacSkinLister::TacSkinLister(const TsStoredSkins& internalSkins, std::string_view skinsDirectory,
                             std::string_view programDirectory)
    : FInternalSkins(internalSkins), FDirectory(ResolveSkinDirectory(skinsDirectory, programDirectory)) {}

std::vector<std::string> TacSkinLister::Names(TacSkinListMode mode, std::string& first) const {
    std::vector<std::string> names;
    for (const TsStoredSkin& skin : FInternalSkins.Items()) names.push_back(skin.Name);
    AddDirectoryNames(mode, names);
    first = names.empty() ? std::string() : names.front();
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; });
    // A folder and a packed file of one name are one skin (the packed file wins when loading).
    std::set<std::string> seen;
    std::erase_if(names, [&seen](const std::string& name) { return !seen.insert(name).second; });
    return names;
}

void TacSkinLister::AddDirectoryNames(TacSkinListMode mode, std::vector<std::string>& names) const {
    std::error_code error;
    if (!SkinDirectoryExists(FDirectory)) return;
    for (std::filesystem::directory_iterator it(FDirectory, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with('.')) continue;
        if (it->is_directory(error)) {
            if (mode != slPackedFiles && IsSkinFolder(it->path())) names.push_back(name);
        } else if (mode != slFolders && name.size() > PackedExtension.size() && name.ends_with(PackedExtension)) {
            names.push_back(name.substr(0, name.size() - PackedExtension.size()));
        }
    }
}
