// The stored part of a control's skin binding.
#include "skin/controls/TsCommonData.h"

#include <algorithm>
#include <cctype>

TsCommonData::TsCommonData(TComponent* owner, int controlKind) : FOwner(owner), FControlKind(controlKind) {}

void TsCommonData::SetSkinSection(const std::string& section) {
    if (section.empty()) {
        FSkinSection = "UNKNOWN";
        return;
    }
    FSkinSection = section;
    std::transform(FSkinSection.begin(), FSkinSection.end(), FSkinSection.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
}

void TsCommonData::Assign(const TPersistent* source) {
    auto* data = dynamic_cast<const TsCommonData*>(source);
    if (!data) return TPersistent::Assign(source);
    FSkinSection = data->FSkinSection;
    FCustomColor = data->FCustomColor;
    FCustomFont = data->FCustomFont;
}
