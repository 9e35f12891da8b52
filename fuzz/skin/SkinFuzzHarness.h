// What the skin fuzzers run on one input; also replayed over the seed corpus by the unit tests.
#pragma once

#include "skin/data/SkinWarning.h"
#include "skin/data/TacCachedIndexes.h"
#include "skin/data/TacSectionBuilder.h"
#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinLoader.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

struct TSkinFuzzSummary {
    bool HasOptions = false;
    std::size_t Sections = 0;
    std::size_t Images = 0;
};

namespace skinfuzz {

inline void SilenceWarnings() {
    static bool done = false;
    if (!done) SetSkinWarningHandler([](const std::string&, const std::string&) {});
    done = true;
}

// Every lookup a painter would make, over every section and image key of the skin.
inline void ExerciseLookups(const TsSkinModel& model) {
    TacCachedIndexes indexes;
    indexes.Compute(model);
    for (const TsGeneralData& section : model.GeneralData) {
        int index = model.SectionIndex(section.SectionName);
        for (const char* key : {"BORDERSMASK", "PATTERN", "HOTPATTERN", "GLYPHMASK"}) {
            model.MaskIndex(index, section.SectionName, key);
            model.TextureIndex(index, section.SectionName, key);
            model.PatternIndex(index, section.SectionName, key);
        }
    }
    for (TsMaskData& mask : const_cast<TsSkinModel&>(model).Masks) {
        (void)mask.BorderLeft();
        (void)mask.BorderRight();
        (void)mask.BorderTop();
        (void)mask.BorderBottom();
        (void)mask.MaskCellSize();
    }
    (void)model.GlobalColor();
    (void)model.GlobalFontColor();
    (void)model.GlobalHotColor();
}

} // namespace skinfuzz

// An archive read and, when it has options, built into a skin with a hue and saturation change.
inline TSkinFuzzSummary FuzzSkinArchive(const std::uint8_t* data, std::size_t size) {
    skinfuzz::SilenceWarnings();
    TacSkinConvertor convertor;
    convertor.BorrowSource(std::span<const std::uint8_t>(data, size));
    convertor.ReadPackedData();
    convertor.DetachSource();
    TSkinFuzzSummary summary;
    summary.HasOptions = convertor.HasOptions();
    if (!summary.HasOptions) return summary;
    TacSkinOptions options(convertor.Options());
    TsSkinModel model;
    TacSkinBuildSettings settings;
    settings.HueOffset = 77;
    settings.Saturation = 30;
    BuildSkin(model, options, TacSkinImageSource::FromArchive(&convertor), settings);
    skinfuzz::ExerciseLookups(model);
    summary.Sections = model.GeneralData.size();
    summary.Images = model.Masks.size();
    return summary;
}

// An options text parsed and built with no images at hand (so nothing touches the file system),
// then merged into itself as common sections.
inline TSkinFuzzSummary FuzzSkinOptions(const std::uint8_t* data, std::size_t size) {
    skinfuzz::SilenceWarnings();
    TacSkinOptions options(std::string_view(reinterpret_cast<const char*>(data), size));
    TsSkinModel model;
    TacSkinBuildSettings settings;
    settings.HueOffset = 200;
    settings.Saturation = 60;
    TacSkinConvertor empty;
    BuildSkin(model, options, TacSkinImageSource::FromArchive(&empty), settings);
    TacSectionBuilder(options, model).MergeCommonSections(options);
    TacSectionBuilder::ParentLoops(options);
    skinfuzz::ExerciseLookups(model);
    return {true, model.GeneralData.size(), model.Masks.size()};
}
