// Resolving the skin argument of the contact sheet tool.
#include "tools/skinsheet/SheetSkinSource.h"

#include "skin/data/SkinFiles.h"
#include "skin/data/SkinText.h"

#include "platform/system/Paths.h"
#include "resources/InternalSkins.h"

void AddToolInternalSkins(TsStoredSkins& skins) {
    for (const TInternalSkin& skin : InternalSkinArchives())
        skins.Add(TsStoredSkin::Borrowing(std::string(skin.Name), skin.Data));
}

TacSkinSource SheetSkinSource(const std::string& skin, const TsStoredSkins& internalSkins) {
    TacSkinSource source;
    source.SkinName = skin;
    const std::string upper = UpperCaseAscii(skin);
    if (upper.size() > 4 && upper.ends_with(".ASZ") && SkinFileExists(skin)) {
        source.Kind = skPackedFile;
        source.PackedFile = skin;
        return source;
    }
    const std::string folder = skin.ends_with(PathDelim) ? skin : skin + PathDelim;
    const std::string options = FindFileIgnoringCase(folder + "Options.dat");
    if (SkinDirectoryExists(skin) && SkinFileExists(options)) {
        source.Kind = skFolder;
        source.OptionsFile = options;
        source.FolderPath = folder;
        return source;
    }
    source.InternalIndex = internalSkins.IndexOf(skin);
    if (source.InternalIndex >= 0) source.Kind = skInternal;
    return source;
}
