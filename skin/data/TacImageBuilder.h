// Builds the master bitmap and the image entries from the image values of the options text.
#pragma once

#include "skin/data/TacImageValue.h"
#include "skin/data/TacSkinImageSource.h"
#include "skin/data/TacSkinOptions.h"
#include "skin/data/TsSkinModel.h"

#include <string>
#include <vector>

class TacImageBuilder {
public:
    TacImageBuilder(TsSkinModel& model, std::vector<std::string>* problems = nullptr);

    // Frees the entries and loads GLOBALINFO's MASTERBITMAP as a 24-bit bitmap (empty when it
    // is missing or unreadable).
    void LoadMaster(const TacSkinOptions& options, const TacSkinImageSource& images);
    // One entry per accepted image value, sections and keys in file order. Common sections skip
    // GLOBALINFO and take the "#" form only when there is a master bitmap. A rectangle that is
    // empty, inverted or reaches past the master bitmap is reported but still makes its entry.
    void AddImages(const TacSkinOptions& options, const TacSkinImageSource& images, bool commonSections = false);

private:
    void AddValue(const std::string& section, const std::string& key, const std::string& value,
                  const TacSkinImageSource& images, bool commonSections);
    bool LoadOwnBitmap(TacImageValue& image, const TacSkinImageSource& images);
    bool FitsMaster(const TsMaskData& mask) const;
    void Problem(const std::string& section, const std::string& key, const std::string& text);

    TsSkinModel& FModel;
    std::vector<std::string>* FProblems;
};
