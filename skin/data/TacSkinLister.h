// The names of the skins a manager can load: internal skins, skin folders and packed skin files.
#pragma once

#include "skin/data/TsStoredSkins.h"

#include <string>
#include <string_view>
#include <vector>

// Which skins of the skins directory are listed besides the internal ones.
enum TacSkinListMode { slFolders = 0, slPackedFiles = 1, slAll = 2 };

class TacSkinLister {
public:
    // skinsDirectory is resolved against programDirectory (the running program's folder when
    // empty), as loading does.
    TacSkinLister(const TsStoredSkins& internalSkins, std::string_view skinsDirectory, std::string_view programDirectory = {});

    // Every name once, sorted without regard to letter case. first is the first internal skin,
    // or without any, the first name found in the directory.
    std::vector<std::string> Names(TacSkinListMode mode, std::string& first) const;

private:
    // Folders holding "Options.dat" and files ending exactly in ".asz" (listed without it), in
    // the order the file system gives them; names beginning with "." are hidden.
    void AddDirectoryNames(TacSkinListMode mode, std::vector<std::string>& names) const;

    const TsStoredSkins& FInternalSkins;
    std::string FDirectory;
};
