// Mapping a skin name to where the skin comes from, and loading the skin model from there.
#pragma once

#include "skin/data/TacSkinLoader.h"
#include "skin/data/TsSkinModel.h"
#include "skin/data/TsStoredSkins.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum TacSkinSourceKind {
    skNone,       // nothing matched and there are no internal skins: the manager goes inactive
    skPackedFile, // name + ".asz" in the skins directory
    skFolder,     // a folder of that name in the skins directory holding "Options.dat"
    skInternal,   // an internal skin
};

struct TacSkinSource {
    TacSkinSourceKind Kind = skNone;
    std::string SkinName;    // the name in force: the first internal skin's when nothing matched
    std::string PackedFile;  // skPackedFile: the archive's path
    std::string OptionsFile; // skFolder: the options file's path
    std::string FolderPath;  // skFolder: the skin folder with a trailing separator, else empty
    int InternalIndex = -1;  // skInternal
};

// A packed skin file wins over a folder, a folder over an internal skin. The packed file is
// looked for in the skins directory as given (relative to the current folder); the folder in the
// resolved directory. A name that matches nothing gives the first internal skin.
TacSkinSource FindSkinSource(std::string_view skinName, std::string_view skinDirectory, const TsStoredSkins& internalSkins,
                             std::string_view programDirectory = {});

// Reads the source and builds the model from it (settings.SkinPath is taken from the source).
// False when the source gave no options text (a rejected or damaged archive without options, an
// unreadable options file, no source) or its images need more memory than there is (shown as a
// warning): the model is then empty.
bool LoadSkinFromSource(TsSkinModel& model, const TacSkinSource& source, const TsStoredSkins& internalSkins,
                        TacSkinBuildSettings settings, std::vector<std::string>* problems = nullptr);

// A skin to load by name, as a skin manager asks for it.
struct TacSkinRequest {
    std::string SkinName;
    std::string SkinDirectory;
    const TsStoredSkins* InternalSkins = nullptr;
    TacSkinBuildSettings Settings; // SkinPath is taken from the source
};

// Finds the named skin's source and builds the model from it. A source that gives no skin (a
// rejected archive, an unreadable options file, an empty internal archive) is passed over like a
// name that matches nothing: the first internal skin is loaded instead. Returns the name of the
// skin loaded, or nothing when there was none to load (the model is then empty).
std::optional<std::string> LoadNamedSkin(TsSkinModel& model, const TacSkinRequest& request,
                                         std::vector<std::string>* problems = nullptr);
