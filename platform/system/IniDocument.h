// The text of an INI file as lines: finding, changing and removing keys while every other line
// (comments, blank lines, other sections, their order) stays exactly as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    IniDocument() : FLineBreak("\r\n") {}
    explicit IniDocument(std::string_view text);

    // The whole text, every line ended by the file's own line break (CRLF for a new file).
    std::string Text() const;

    // The value of the first matching key in any section of that name: spaces and tabs around it
    // removed, then one pair of enclosing quotes ('...' or "...") removed.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

    // Why a section, key or value cannot be written (empty when it can); a value never holds a
    // line break, so one written value cannot turn into further keys or sections.
    static std::string Refusal(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the first matching key, or adds it at the end of the section, or adds the section
    // at the end of the text. A value that reading would change (outer spaces, enclosing quotes)
    // is written inside double quotes so that it reads back unchanged.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Both return whether anything was removed.
    bool EraseKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);

private:
    struct TRange {
        std::size_t Header; // index of the "[section]" line
        std::size_t End;    // one past its last line
    };

    std::vector<TRange> SectionRanges(std::string_view section) const;
    std::optional<std::size_t> FindKey(const TRange& range, std::string_view key) const;

    std::vector<std::string> FLines;
    std::string FLineBreak;
};
