// INI lines read as the classic reader does: trimmed names, first match wins, ";" comments.
#include "platform/system/IniDocument.h"

#include "platform/system/LetterCase.h"

#include <algorithm>

namespace {

constexpr std::string_view Blanks = " \t\r\v\f";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

struct TKeyLine {
    std::string_view Key;
    std::string_view Value;
};

std::optional<TKeyLine> KeyLine(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    const std::size_t equals = trimmed.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[' || equals == std::string_view::npos)
        return std::nullopt;
    return TKeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool NeedsQuotes(std::string_view value) {
    if (value.empty()) return false;
    const bool outerBlank = Blanks.find(value.front()) != std::string_view::npos ||
                            Blanks.find(value.back()) != std::string_view::npos;
    return outerBlank || Unquote(value).size() != value.size();
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

void AddUnique(std::vector<std::string>& names, std::string_view name) {
    const auto same = [&](const std::string& known) { return SameTextIgnoreCase(known, name); };
    if (std::none_of(names.begin(), names.end(), same)) names.emplace_back(name);
}

} // namespace

IniDocument::IniDocument(std::string_view text) {
    FLineBreak = text.find('\n') == std::string_view::npos || text.find("\r\n") != std::string_view::npos
                     ? "\r\n" : "\n";
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        // Every carriage return before a break belongs to it: one left on the last line of a
        // line-feed file would come back as "\r\n" and make the written file a CRLF one.
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        FLines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::string IniDocument::Text() const {
    std::string text;
    for (const std::string& line : FLines) text += line + FLineBreak;
    return text;
}

std::vector<IniDocument::TRange> IniDocument::SectionRanges(std::string_view section) const {
    section = Trim(section);
    std::vector<TRange> ranges;
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        const auto name = SectionName(FLines[i]);
        if (!name) continue;
        if (!ranges.empty() && ranges.back().End == 0) ranges.back().End = i;
        if (SameTextIgnoreCase(*name, section)) ranges.push_back({i, 0});
    }
    if (!ranges.empty() && ranges.back().End == 0) ranges.back().End = FLines.size();
    return ranges;
}

std::optional<std::size_t> IniDocument::FindKey(const TRange& range, std::string_view key) const {
    key = Trim(key);
    for (std::size_t i = range.Header + 1; i < range.End; ++i) {
        const auto line = KeyLine(FLines[i]);
        if (line && SameTextIgnoreCase(line->Key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    for (const TRange& range : SectionRanges(section)) {
        if (const auto index = FindKey(range, key)) return std::string(Unquote(KeyLine(FLines[*index])->Value));
    }
    return std::nullopt;
}

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> names;
    for (const std::string& line : FLines) {
        if (const auto name = SectionName(line)) AddUnique(names, *name);
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    for (const TRange& range : SectionRanges(section)) {
        for (std::size_t i = range.Header + 1; i < range.End; ++i) {
            if (const auto line = KeyLine(FLines[i])) AddUnique(keys, line->Key);
        }
    }
    return keys;
}

std::string IniDocument::Refusal(std::string_view section, std::string_view key, std::string_view value) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return "a line break cannot be stored";
    section = Trim(section);
    key = Trim(key);
    if (section.empty()) return "the section name is empty";
    if (section.find(']') != std::string_view::npos) return "a section name cannot hold ']'";
    if (key.empty()) return "the key name is empty";
    if (key.find('=') != std::string_view::npos) return "a key name cannot hold '='";
    if (key.front() == '[' || key.front() == ';') return "a key name cannot begin with '[' or ';'";
    return {};
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    key = Trim(key);
    const std::string stored = NeedsQuotes(value) ? "\"" + std::string(value) + "\"" : std::string(value);
    const std::vector<TRange> ranges = SectionRanges(section);
    for (const TRange& range : ranges) {
        if (const auto index = FindKey(range, key)) {
            FLines[*index] = std::string(KeyLine(FLines[*index])->Key) + "=" + stored;
            return;
        }
    }
    const std::string line = std::string(key) + "=" + stored;
    if (!ranges.empty()) {
        std::size_t last = ranges.front().End;
        while (last > ranges.front().Header + 1 && Trim(FLines[last - 1]).empty()) --last;
        FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(last), line);
        return;
    }
    if (!FLines.empty() && !Trim(FLines.back()).empty()) FLines.emplace_back();
    FLines.push_back("[" + std::string(Trim(section)) + "]");
    FLines.push_back(line);
}

bool IniDocument::EraseKey(std::string_view section, std::string_view key) {
    bool erased = false;
    // From the last range back, so that the indices of the earlier ones stay valid.
    const std::vector<TRange> ranges = SectionRanges(section);
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
        for (std::size_t i = range->End; i-- > range->Header + 1;) {
            const auto line = KeyLine(FLines[i]);
            if (!line || !SameTextIgnoreCase(line->Key, Trim(key))) continue;
            FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(i));
            erased = true;
        }
    }
    return erased;
}

bool IniDocument::EraseSection(std::string_view section) {
    const std::vector<TRange> ranges = SectionRanges(section);
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
        FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(range->Header),
                     FLines.begin() + static_cast<std::ptrdiff_t>(range->End));
    }
    return !ranges.empty();
}
