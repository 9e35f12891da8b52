// The in-memory model of a loaded skin and the lookups painters find sections and images with.
#pragma once

#include "skin/data/TsGeneralData.h"
#include "skin/data/TsMaskData.h"
#include "skin/data/TsPatternData.h"
#include "skin/data/TsSkinData.h"

#include "platform/gfx/Bitmap.h"

#include <functional>
#include <string_view>

// Owned by the skin manager. Indexes into the lists stay valid until the next load or Clear().
// Image entries point back at the model, so it is neither copied nor moved.
class TsSkinModel {
public:
    TsSkinModel() = default;
    TsSkinModel(const TsSkinModel&) = delete;
    TsSkinModel& operator=(const TsSkinModel&) = delete;

    TsGeneralDataArray GeneralData;
    TsMaskArray Masks;
    TsPatternArray Patterns;
    Bitmap MasterBitmap;
    TsSkinData SkinData;

    // Frees the images, the master bitmap and the patterns and empties the section list.
    void Clear();

    // Names are compared exactly, letter case included. -1 where nothing is found.
    int SectionIndex(std::string_view sectionName) const;
    // The first entry of the section, else (through ParentClass chains, which stop at the first
    // section seen twice) of its ancestors.
    int MaskIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const;
    // As MaskIndex, only texture entries.
    int TextureIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const;
    // As TextureIndex, over the picture patterns.
    int PatternIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const;
    // The first entry with both names, no inheritance.
    int MaskIndexExact(std::string_view sectionName, std::string_view propertyName) const;

    // GLOBALINFO's Color (RGB), or the button face colour without GLOBALINFO.
    TColor GlobalColor() const;
    // GLOBALINFO's main font colour, or magenta.
    TColor GlobalFontColor() const;
    // GLOBALINFO's HotColor (RGB), or the window colour.
    TColor GlobalHotColor() const;

private:
    using TMatch = std::function<int(std::string_view section, std::string_view property)>;
    int Inherited(int sectionIndex, std::string_view sectionName, std::string_view propertyName,
                  const TMatch& match) const;
    int FindMask(std::string_view sectionName, std::string_view propertyName, bool texturesOnly) const;
    int FindPattern(std::string_view sectionName, std::string_view propertyName) const;
};
