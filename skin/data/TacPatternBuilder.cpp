// JPEG values: large pictures become patterns, small ones texture image entries.
#include "skin/data/TacPatternBuilder.h"

#include "skin/data/SkinText.h"

#include <memory>
#include <unordered_set>
#include <utility>

TacPatternBuilder::TacPatternBuilder(TsSkinModel& model, std::vector<std::string>* problems)
    : FModel(model), FProblems(problems) {}

void TacPatternBuilder::Clear() { FModel.Patterns.clear(); }

bool TacPatternBuilder::IsJpegValue(const std::string& upperValue) {
    return upperValue.find(".JPG") != std::string::npos || upperValue.find(".JPEG") != std::string::npos;
}

void TacPatternBuilder::AddJpegs(const TacSkinOptions& options, const TacSkinImageSource& images, bool commonSections) {
    for (int s = 0; s < static_cast<int>(options.Sections().size()); ++s) {
        const TacOptionsSection& section = options.Sections()[static_cast<std::size_t>(s)];
        if (options.FindSection(section.Name) != s) continue;
        std::unordered_set<std::string_view> seen;
        for (const TacOptionsKey& key : section.Keys) {
            if (!seen.insert(key.KeyUpper).second) continue;
            std::string upper = UpperCaseAscii(key.Value);
            if (IsJpegValue(upper)) AddJpeg(section.Name, key.Key, upper, images, commonSections);
        }
    }
}

void TacPatternBuilder::AddJpeg(const std::string& section, const std::string& key, const std::string& upperValue,
                                const TacSkinImageSource& images, bool commonSections) {
    Bitmap picture;
    std::string error;
    if (!images.ReadJpeg(upperValue, picture, error) || picture.Width() == 0) {
        if (FProblems) FProblems->push_back("[" + section + "] " + key + ": " + (error.empty() ? "the JPEG is empty" : error));
        return;
    }
    std::string sectionName = UpperCaseAscii(section);
    std::string propertyName = UpperCaseAscii(key);
    if (commonSections || static_cast<long long>(picture.Width()) * picture.Height() >= PatternMinPixels) {
        FModel.Patterns.push_back({std::move(picture), std::move(sectionName), std::move(propertyName)});
        return;
    }
    TsMaskData texture;
    texture.Bmp = std::make_unique<Bitmap>(std::move(picture));
    texture.SectionName = std::move(sectionName);
    texture.PropertyName = std::move(propertyName);
    texture.ImgType = itisaTexture;
    texture.ImageCount = 1;
    texture.Manager = &FModel;
    FModel.Masks.push_back(std::move(texture));
}
