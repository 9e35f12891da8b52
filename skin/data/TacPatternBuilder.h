// Builds picture patterns and small JPEG textures from the JPEG values of the options text.
#pragma once

#include "skin/data/TacSkinImageSource.h"
#include "skin/data/TacSkinOptions.h"
#include "skin/data/TsSkinModel.h"

#include <string>
#include <vector>

class TacPatternBuilder {
public:
    // A JPEG of this many pixels or more stays a picture pattern; a smaller one becomes a texture.
    static constexpr long long PatternMinPixels = 90000;

    TacPatternBuilder(TsSkinModel& model, std::vector<std::string>* problems = nullptr);

    // Frees the picture patterns.
    void Clear();
    // Every value naming a ".JPG" or ".JPEG" file, sections and keys in file order. Common
    // sections keep every JPEG as a picture pattern.
    void AddJpegs(const TacSkinOptions& options, const TacSkinImageSource& images, bool commonSections = false);

    static bool IsJpegValue(const std::string& upperValue);

private:
    void AddJpeg(const std::string& section, const std::string& key, const std::string& upperValue,
                 const TacSkinImageSource& images, bool commonSections);

    TsSkinModel& FModel;
    std::vector<std::string>* FProblems;
};
