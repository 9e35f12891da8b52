// Section, image and pattern lookups over the skin model, with inheritance through ParentClass.
#include "skin/data/TsSkinModel.h"

#include <vector>

void TsSkinModel::Clear() {
    GeneralData.clear();
    Masks.clear();
    Patterns.clear();
    MasterBitmap = Bitmap();
}

int TsSkinModel::SectionIndex(std::string_view sectionName) const {
    for (std::size_t i = 0; i < GeneralData.size(); ++i) {
        if (GeneralData[i].SectionName == sectionName) return static_cast<int>(i);
    }
    return -1;
}

int TsSkinModel::Inherited(int sectionIndex, std::string_view sectionName, std::string_view propertyName,
                           const TMatch& match) const {
    std::vector<int> seen;
    while (sectionIndex >= 0 && !sectionName.empty() && static_cast<int>(seen.size()) <= MaxParentChain) {
        int found = match(sectionName, propertyName);
        if (found >= 0) return found;
        if (sectionIndex >= static_cast<int>(GeneralData.size())) return -1;
        // A loop of parents (A -> B -> A) ends at the first section seen twice.
        for (int s : seen) {
            if (s == sectionIndex) return -1;
        }
        seen.push_back(sectionIndex);
        const std::string& parent = GeneralData[static_cast<std::size_t>(sectionIndex)].ParentClass;
        if (parent.empty() || parent == sectionName) return -1;
        sectionIndex = SectionIndex(parent);
        sectionName = parent;
    }
    return -1;
}

int TsSkinModel::FindMask(std::string_view sectionName, std::string_view propertyName, bool texturesOnly) const {
    for (std::size_t i = 0; i < Masks.size(); ++i) {
        const TsMaskData& mask = Masks[i];
        if (texturesOnly && mask.ImgType != itisaTexture) continue;
        if (mask.SectionName == sectionName && mask.PropertyName == propertyName) return static_cast<int>(i);
    }
    return -1;
}

int TsSkinModel::FindPattern(std::string_view sectionName, std::string_view propertyName) const {
    for (std::size_t i = 0; i < Patterns.size(); ++i) {
        if (Patterns[i].SectionName == sectionName && Patterns[i].PropertyName == propertyName) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int TsSkinModel::MaskIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const {
    return Inherited(sectionIndex, sectionName, propertyName,
                     [this](std::string_view s, std::string_view p) { return FindMask(s, p, false); });
}

int TsSkinModel::TextureIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const {
    if (Masks.empty()) return -1;
    return Inherited(sectionIndex, sectionName, propertyName,
                     [this](std::string_view s, std::string_view p) { return FindMask(s, p, true); });
}

int TsSkinModel::PatternIndex(int sectionIndex, std::string_view sectionName, std::string_view propertyName) const {
    if (Patterns.empty()) return -1;
    return Inherited(sectionIndex, sectionName, propertyName,
                     [this](std::string_view s, std::string_view p) { return FindPattern(s, p); });
}

int TsSkinModel::MaskIndexExact(std::string_view sectionName, std::string_view propertyName) const {
    if (sectionName.empty()) return -1;
    return FindMask(sectionName, propertyName, false);
}

TColor TsSkinModel::GlobalColor() const {
    int global = SectionIndex("GLOBALINFO");
    return ColorToRGB(global < 0 ? clBtnFace : GeneralData[static_cast<std::size_t>(global)].Color);
}

TColor TsSkinModel::GlobalFontColor() const {
    int global = SectionIndex("GLOBALINFO");
    return global < 0 ? clFuchsia : GeneralData[static_cast<std::size_t>(global)].FontColor[0];
}

TColor TsSkinModel::GlobalHotColor() const {
    int global = SectionIndex("GLOBALINFO");
    return ColorToRGB(global < 0 ? clWindow : GeneralData[static_cast<std::size_t>(global)].HotColor);
}
