// A skin's sources read and merged: the shared section template and image recipes, and the
// skin's own file with its values, its overrides and its backgrounds.
//
// resources/skins/Values.txt    [values] shared by every skin, mostly derived from other values
// resources/skins/Sections.txt  the options text of every skin, with "{value}" references and
//                               "{img:NAME}" image references
// resources/skins/Images.txt    one [NAME] per image: recipe, size, states, storage, parameters
// resources/skins/<Skin>/Skin.txt
//   [skin]          name, output (asz | folder), master (file name)
//   [values]        the values the templates refer to: colours, radii, recipe choices
//   [image NAME]    keys replacing or adding to an image of Images.txt
//   [jpeg FILE]     a JPEG member drawn by a texture recipe (width, height, quality, ...)
//   [SECTION]       keys replacing or adding to a section of the options text; an empty value
//                   removes the key
#pragma once

#include "tools/skingen/ImageDescription.h"
#include "tools/skingen/SkinVariables.h"

#include <map>
#include <string>
#include <vector>

struct SourceSection {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Keys; // expanded values, "{img:...}" left in
};

struct JpegSpec {
    std::string File;
    int Width = 0, Height = 0, Quality = 85;
    ImageDescription Image; // one state of Width x Height, mask type 0
};

class SkinSource {
public:
    // Reads sourcesDir/Sections.txt, sourcesDir/Images.txt and sourcesDir/skinDir/Skin.txt;
    // throws with the file and the problem.
    SkinSource(const std::string& sourcesDir, const std::string& skinDir);

    const std::string& DisplayName() const { return FDisplayName; }
    const std::string& FolderName() const { return FFolderName; }
    bool PackedOutput() const { return FPacked; }
    const std::string& MasterFile() const { return FMasterFile; }
    const std::vector<SourceSection>& Sections() const { return FSections; }
    const std::vector<JpegSpec>& Jpegs() const { return FJpegs; }
    // The named image with the skin's overrides applied; throws when it does not exist.
    ImageDescription Image(const std::string& name) const;

private:
    void ReadSkinFile(const std::string& text);
    void MergeSections(const std::string& templateText, const std::string& skinText);
    ImageDescription MakeImage(const std::string& name, const std::map<std::string, std::string>& keys) const;

    std::string FFolderName, FDisplayName, FMasterFile = "Master.bmp";
    bool FPacked = true;
    SkinVariables FValues;
    std::map<std::string, std::map<std::string, std::string>> FImages; // raw keys, overrides applied
    std::vector<SourceSection> FSections;
    std::vector<JpegSpec> FJpegs;
};
