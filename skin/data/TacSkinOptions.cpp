// Parsing the options text line by line and finding sections and keys in it.
#include "skin/data/TacSkinOptions.h"

#include "skin/data/SkinText.h"

void TacSkinOptions::Clear() {
    FSections.clear();
    FFirstSection.clear();
}

void TacSkinOptions::SetText(std::string_view text) {
    Clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        AddLine(TrimBlanks(text.substr(pos, end - pos)));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
}

void TacSkinOptions::AddLine(std::string_view line) {
    if (line.empty() || line.front() == ';') return;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
        std::string name(TrimBlanks(line.substr(1, line.size() - 2)));
        FFirstSection.try_emplace(UpperCaseAscii(name), static_cast<int>(FSections.size()));
        FSections.push_back({std::move(name), {}});
        return;
    }
    if (FSections.empty()) return;
    // A line without "=" is a key of its own with an empty value; being first, it hides a later
    // line of the same key.
    std::size_t equals = line.find('=');
    std::string key(TrimBlanks(line.substr(0, equals)));
    std::string value(equals == std::string_view::npos ? std::string_view()
                                                       : TrimBlanks(line.substr(equals + 1)));
    std::string upper = UpperCaseAscii(key);
    FSections.back().Keys.push_back({std::move(key), std::move(upper), std::move(value)});
}

int TacSkinOptions::FindSection(std::string_view name) const {
    auto found = FFirstSection.find(UpperCaseAscii(name));
    return found == FFirstSection.end() ? -1 : found->second;
}

const std::string* TacSkinOptions::FindValue(int section, std::string_view key) const {
    if (section < 0 || section >= static_cast<int>(FSections.size())) return nullptr;
    for (const TacOptionsKey& entry : FSections[static_cast<std::size_t>(section)].Keys) {
        if (entry.KeyUpper.size() == key.size() && SameTextAscii(entry.KeyUpper, key)) return &entry.Value;
    }
    return nullptr;
}

const std::string* TacSkinOptions::FindValue(std::string_view section, std::string_view key) const {
    return FindValue(FindSection(section), key);
}

std::string TacSkinOptions::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    const std::string* value = FindValue(section, key);
    return value ? *value : std::string(defaultValue);
}
