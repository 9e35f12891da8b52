// Section values with PARENTCLASS inheritance, GLOBALINFO and the merging of common sections.
#include "skin/data/TacSectionBuilder.h"

#include "skin/data/SkinText.h"
#include "skin/data/TacSectionKeys.h"

#include <algorithm>
#include <unordered_map>

namespace {

int ParentSection(const TacSkinOptions& options, int section) {
    const std::string* parent = options.FindValue(section, "PARENTCLASS");
    if (!parent || parent->empty() || *parent == "?") return -1;
    const std::string& name = options.Sections()[static_cast<std::size_t>(section)].Name;
    if (SameTextAscii(*parent, name)) return -1;
    return options.FindSection(*parent);
}

// Visits a section and its ancestors until visit returns true; stops at the first section seen
// twice, so a loop (A -> B -> A) ends.
template <class Visit>
void WalkChain(const TacSkinOptions& options, int section, Visit visit) {
    std::vector<int> seen;
    while (section >= 0 && static_cast<int>(seen.size()) <= MaxParentChain &&
           std::find(seen.begin(), seen.end(), section) == seen.end()) {
        if (visit(section)) return;
        seen.push_back(section);
        section = ParentSection(options, section);
    }
}

bool ReadIntValue(const std::string* text, int& value) {
    int parsed = 0;
    if (!text || !TryParseSkinInt(*text, parsed) || parsed == -1) return false;
    value = parsed;
    return true;
}

} // namespace

TacSectionBuilder::TacSectionBuilder(const TacSkinOptions& options, TsSkinModel& model, std::vector<std::string>* problems)
    : FOptions(options), FModel(model), FProblems(problems) {}

bool TacSectionBuilder::LookupInt(int section, const char* key, int& value) const {
    bool found = false;
    WalkChain(FOptions, section,
              [&](int s) { return found = ReadIntValue(FOptions.FindValue(s, key), value); });
    return found;
}

const std::string* TacSectionBuilder::LookupText(int section, const char* key) const {
    const std::string* found = nullptr;
    WalkChain(FOptions, section, [&](int s) {
        const std::string* text = FOptions.FindValue(s, key);
        if (text && *text != "?") found = text;
        return found != nullptr;
    });
    return found;
}

TsGeneralData TacSectionBuilder::ReadSection(const std::string& name) const {
    TsGeneralData data;
    data.SectionName = name;
    int section = FOptions.FindSection(name);
    for (const TacSectionKey& key : SectionKeys()) {
        int number = key.IntDefault;
        const std::string* text = nullptr;
        switch (key.Kind) {
        case kkInt: LookupInt(section, key.Key, number); AssignInt(key, data, number); break;
        case kkRawInt: TryParseSkinInt(FOptions.ReadString(name, key.Key, ""), number); AssignInt(key, data, number); break;
        case kkRawText: text = FOptions.FindValue(section, key.Key); AssignText(key, data, text ? *text : ""); break;
        case kkText:
        case kkBool: text = LookupText(section, key.Key); AssignText(key, data, text ? *text : ""); break;
        }
    }
    return data;
}

void TacSectionBuilder::ReadSkinData() {
    TsSkinData& skin = FModel.SkinData;
    skin.Version = 0;
    if (const std::string* version = FOptions.FindValue("GLOBALINFO", "VERSION")) TryParseSkinFloat(*version, skin.Version);
    skin.Author = FOptions.ReadString("GLOBALINFO", "AUTHOR", "");
    skin.Description = FOptions.ReadString("GLOBALINFO", "DESCRIPTION", "");
    auto number = [this](const char* key, int defaultValue) {
        const std::string* text = FOptions.FindValue("GLOBALINFO", key);
        int value = defaultValue;
        if (text && !TryParseSkinInt(*text, value)) {
            value = defaultValue;
            if (FProblems) FProblems->push_back("GLOBALINFO " + std::string(key) + " \"" + *text + "\" is not a number");
        }
        return value;
    };
    skin.Shadow1Color = number("SHADOW1COLOR", 0);
    skin.Shadow1Offset = number("SHADOW1OFFSET", 0);
    skin.Shadow1Blur = number("SHADOW1BLUR", -1);
    skin.Shadow1Transparency = number("SHADOW1TRANSPARENCY", 0);
    skin.BISpace = number("BISPACE", 0);
    skin.BorderColor = number("BORDERCOLOR", 0);
}

void TacSectionBuilder::BuildSections() {
    FModel.GeneralData.clear();
    FModel.GeneralData.reserve(FOptions.Sections().size());
    for (const TacOptionsSection& section : FOptions.Sections()) {
        TsGeneralData data = ReadSection(section.Name);
        data.SectionName = section.Name;
        FModel.GeneralData.push_back(std::move(data));
    }
}

void TacSectionBuilder::MergeCommonSections(const TacSkinOptions& common) {
    TsGeneralDataArray& list = FModel.GeneralData;
    std::unordered_map<std::string, std::size_t> byName;
    for (std::size_t i = list.size(); i-- > 0;) byName[UpperCaseAscii(list[i].SectionName)] = i;
    auto named = [&](const std::string& name) -> TsGeneralData* {
        auto found = byName.find(UpperCaseAscii(name));
        return found == byName.end() ? nullptr : &list[found->second];
    };
    for (int s = 0; s < static_cast<int>(common.Sections().size()); ++s) {
        const TacOptionsSection& section = common.Sections()[static_cast<std::size_t>(s)];
        TsGeneralData* existing = named(section.Name);
        const std::string* parent = common.FindValue(s, "PARENTCLASS");
        TsGeneralData* base = existing ? existing : (parent ? named(*parent) : nullptr);
        TsGeneralData merged = base ? *base : TsGeneralData();
        merged.SectionName = section.Name;
        OverrideFromSection(common, s, merged);
        if (existing) {
            *existing = std::move(merged);
        } else {
            byName.emplace(UpperCaseAscii(section.Name), list.size());
            list.push_back(std::move(merged));
        }
    }
}

void TacSectionBuilder::OverrideFromSection(const TacSkinOptions& common, int section, TsGeneralData& data) {
    for (const TacSectionKey& key : SectionKeys()) {
        const std::string* text = common.FindValue(section, key.Key);
        int number = 0;
        if (key.Kind == kkInt || key.Kind == kkRawInt) {
            if (ReadIntValue(text, number)) AssignInt(key, data, number);
        } else if (text && *text != "?") {
            AssignText(key, data, *text);
        }
    }
}

std::vector<std::string> TacSectionBuilder::ParentLoops(const TacSkinOptions& options) {
    // Each section is walked once: 1 = on the chain being walked, 2 = finished.
    const auto& sections = options.Sections();
    std::vector<char> state(sections.size(), 0);
    std::vector<std::string> loops;
    for (int start = 0; start < static_cast<int>(sections.size()); ++start) {
        std::vector<int> chain;
        int s = start;
        while (s >= 0 && state[static_cast<std::size_t>(s)] == 0) {
            state[static_cast<std::size_t>(s)] = 1;
            chain.push_back(s);
            s = ParentSection(options, s);
        }
        if (s >= 0 && state[static_cast<std::size_t>(s)] == 1) {
            std::string text;
            for (auto it = std::find(chain.begin(), chain.end(), s); it != chain.end(); ++it) {
                text += sections[static_cast<std::size_t>(*it)].Name + " -> ";
            }
            loops.push_back(text + sections[static_cast<std::size_t>(s)].Name);
        }
        for (int visited : chain) state[static_cast<std::size_t>(visited)] = 2;
    }
    return loops;
}
