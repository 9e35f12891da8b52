// The options text of a skin parsed as INI text: sections of keys and values in file order.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct TacOptionsKey {
    std::string Key;      // as written
    std::string KeyUpper; // for matching without regard to letter case
    std::string Value;
};

struct TacOptionsSection {
    std::string Name; // as written, trimmed
    std::vector<TacOptionsKey> Keys;
};

// Lines are trimmed; empty lines and ";" comments are skipped, "[name]" opens a section and
// lines before the first section are ignored. A line without "=" is kept as a key whose value is
// empty. Names and keys match without regard to letter case; the first section and the first key
// of a name win, but every section is kept in order (two sections of one name make two entries
// in the skin model).
class TacSkinOptions {
public:
    TacSkinOptions() = default;
    explicit TacSkinOptions(std::string_view text) { SetText(text); }

    void SetText(std::string_view text);
    void Clear();
    bool Empty() const { return FSections.empty(); }

    const std::vector<TacOptionsSection>& Sections() const { return FSections; }
    // Position of the first section of that name, -1 when there is none.
    int FindSection(std::string_view name) const;
    // The value of the first key of that name in the first section of that name; null if absent.
    const std::string* FindValue(std::string_view section, std::string_view key) const;
    const std::string* FindValue(int section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

private:
    void AddLine(std::string_view line);

    std::vector<TacOptionsSection> FSections;
    std::unordered_map<std::string, int> FFirstSection; // upper-cased name -> position
};
