// Runs the three skin builders in order and re-colours the result.
#pragma once

#include "skin/data/TacSkinImageSource.h"
#include "skin/data/TacSkinOptions.h"
#include "skin/data/TsSkinModel.h"

#include <string>
#include <vector>

struct TacSkinBuildSettings {
    std::string SkinPath;                      // the skin folder (common-section files come from it)
    const TacSkinOptions* CommonSections = nullptr; // extra sections merged into the skin, or none
    int HueOffset = 0;
    int Saturation = 0;
};

// Replaces the model completely: images and master bitmap, then picture patterns, then sections
// (GLOBALINFO's skin-wide data, the section list, common sections), then hue and saturation.
// Bad values never stop the load: each makes no entry or keeps its default, and is described in
// problems when given.
void BuildSkin(TsSkinModel& model, const TacSkinOptions& options, const TacSkinImageSource& images,
               const TacSkinBuildSettings& settings, std::vector<std::string>* problems = nullptr);
