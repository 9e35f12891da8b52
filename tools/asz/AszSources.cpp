// Archives for asz from files or from the internal skins compiled into the program.
#include "tools/asz/AszSources.h"

#include "resources/InternalSkins.h"
#include "skin/data/SkinFiles.h"

#include <filesystem>

bool ReadArchiveBytes(const std::string& pathOrInternalName, std::vector<std::uint8_t>& out) {
    std::error_code error;
    if (std::filesystem::exists(pathOrInternalName, error)) return ReadWholeFile(pathOrInternalName, out);
    for (const TInternalSkin& skin : InternalSkinArchives()) {
        if (skin.Name == pathOrInternalName) {
            out.assign(skin.Data.begin(), skin.Data.end());
            return true;
        }
    }
    return false;
}
