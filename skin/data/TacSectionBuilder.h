// Builds the section list and the skin-wide data from the options text.
#pragma once

#include "skin/data/TacSkinOptions.h"
#include "skin/data/TsSkinModel.h"

#include <string>
#include <vector>

class TacSectionBuilder {
public:
    TacSectionBuilder(const TacSkinOptions& options, TsSkinModel& model, std::vector<std::string>* problems = nullptr);

    // GLOBALINFO's skin-wide keys into SkinData; a value that is not a number keeps the default.
    void ReadSkinData();
    // One TsGeneralData per section, in file order.
    void BuildSections();
    // Sections of extra INI text added to the list or overriding entries of the same name.
    void MergeCommonSections(const TacSkinOptions& common);

    // The values of the first section of that name, with inheritance and defaults.
    TsGeneralData ReadSection(const std::string& name) const;

    // Each PARENTCLASS chain that comes back to a section it passed, written "A -> B -> A";
    // every loop is named once.
    static std::vector<std::string> ParentLoops(const TacSkinOptions& options);

private:
    bool LookupInt(int section, const char* key, int& value) const;
    const std::string* LookupText(int section, const char* key) const;
    // Every section key the common section gives replaces the value in data.
    static void OverrideFromSection(const TacSkinOptions& common, int section, TsGeneralData& data);

    const TacSkinOptions& FOptions;
    TsSkinModel& FModel;
    std::vector<std::string>* FProblems;
};
