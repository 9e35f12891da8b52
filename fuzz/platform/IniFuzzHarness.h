// What the settings-file fuzzer runs on one input; also replayed over the seed corpus by the unit
// tests. Each check is a promise the INI facility makes; a broken one is returned as a finding.
#pragma once

#include "platform/system/CodePage.h"
#include "platform/system/IniFile.h"
#include "platform/system/IntegerText.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

struct TIniFuzzSummary {
    std::string Finding; // empty when every promise held
    std::size_t Sections = 0;
    std::size_t Keys = 0;
    bool Written = false; // the input's own section, key and value were written and read back
};

namespace inifuzz {

using TValues = std::map<std::pair<std::string, std::string>, std::string>;

// Every value that Sections() and Keys() promise, by section and key as listed.
inline bool ReadAll(const IniDocument& document, TValues& values, std::string& finding) {
    for (const std::string& section : document.Sections()) {
        for (const std::string& key : document.Keys(section)) {
            const auto value = document.Value(section, key);
            if (!value) {
                finding = "listed key [" + section + "] " + key + " has no value";
                return false;
            }
            const std::string_view limited = LeadingChars(*value, IniFile::MaxStringLength);
            if (!value->starts_with(limited) || CharCount(limited) > IniFile::MaxStringLength) {
                finding = "LeadingChars cut [" + section + "] " + key + " wrongly";
                return false;
            }
            (void)ParseInteger(limited);
            values[{section, key}] = *value;
        }
    }
    return true;
}

// Whether the document would take a listed section and key for the ones named; asking a small
// document keeps its own rules for trimming and letter case in one place.
inline bool Names(const std::pair<std::string, std::string>& listed, std::string_view section,
                  std::string_view key, bool wholeSection) {
    const IniDocument probe("[" + listed.first + "]\n" + (wholeSection ? std::string("k") : listed.second) +
                            "=x\n");
    return probe.Value(section, wholeSection ? std::string_view("k") : key).has_value();
}

// After a change to (section, key), every other value must read as before.
inline std::string CompareOthers(const IniDocument& document, const TValues& before, std::string_view section,
                                 std::string_view key, bool wholeSection) {
    for (const auto& [name, value] : before) {
        if (Names(name, section, key, wholeSection)) continue;
        const auto now = document.Value(name.first, name.second);
        if (!now || *now != value)
            return "changing [" + std::string(section) + "] " + std::string(key) + " changed [" + name.first +
                   "] " + name.second;
    }
    return {};
}

// The text of a document must parse back to the very same text, and the bytes of a file to the
// same document.
inline std::string CheckRoundTrips(const IniFile::TContent& content, std::string_view bytes) {
    const std::string text = content.Document.Text();
    if (IniDocument(text).Text() != text) return "the document's text does not read back as itself";
    const IniFile::TContent again = IniFile::Decode(IniFile::Encode(content));
    if (again.Utf8 != content.Utf8 || again.Document.Text() != text)
        return "encoding and decoding changed the file";
    if (!content.Utf8 && Utf8ToCp1251(Cp1251ToUtf8(bytes)) != bytes)
        return "Windows-1251 text did not survive UTF-8";
    return {};
}

inline std::string CheckWrite(IniDocument document, const TValues& before, const std::string& section,
                              const std::string& key, const std::string& value, bool& written) {
    written = IniDocument::Refusal(section, key, value).empty();
    if (!written) return {};
    document.Set(section, key, value);
    const IniDocument reread(document.Text());
    const auto back = reread.Value(section, key);
    if (!back || *back != value) return "[" + section + "] " + key + " did not read back as written";
    return CompareOthers(reread, before, section, key, false);
}

inline std::string CheckErase(IniDocument document, const TValues& before, const std::string& section,
                              const std::string& key) {
    document.EraseKey(section, key);
    if (document.Value(section, key)) return "[" + section + "] " + key + " is still there after EraseKey";
    if (std::string finding = CompareOthers(document, before, section, key, false); !finding.empty())
        return finding;
    document.EraseSection(section);
    for (const std::string& name : document.Sections()) {
        if (Names({name, ""}, section, "", true))
            return "[" + section + "] is still there after EraseSection";
    }
    return CompareOthers(document, before, section, key, true);
}

// The input is the file's bytes, optionally followed by NUL, section, NUL, key, NUL, value: the
// write that is tried. Without them the first listed key is written with a value of its own.
struct TInput {
    std::string_view Bytes;
    std::string Section = "settings";
    std::string Key = "SkinName";
    std::string Value = "Wood (internal)";
    bool Given = false;
};

inline TInput SplitInput(std::string_view data) {
    TInput input;
    input.Bytes = data;
    std::size_t cuts[3];
    std::size_t end = data.size();
    for (std::size_t& cut : cuts) {
        cut = end == 0 ? std::string_view::npos : data.rfind('\0', end - 1);
        if (cut == std::string_view::npos) return input;
        end = cut;
    }
    input.Bytes = data.substr(0, cuts[2]);
    input.Section = std::string(data.substr(cuts[2] + 1, cuts[1] - cuts[2] - 1));
    input.Key = std::string(data.substr(cuts[1] + 1, cuts[0] - cuts[1] - 1));
    input.Value = std::string(data.substr(cuts[0] + 1));
    input.Given = true;
    return input;
}

} // namespace inifuzz

inline TIniFuzzSummary FuzzIniFile(const std::uint8_t* data, std::size_t size) {
    using namespace inifuzz;
    TInput input = SplitInput(std::string_view(reinterpret_cast<const char*>(data), size));
    const IniFile::TContent content = IniFile::Decode(input.Bytes);
    TIniFuzzSummary summary;
    TValues before;
    if (!ReadAll(content.Document, before, summary.Finding)) return summary;
    summary.Sections = content.Document.Sections().size();
    summary.Keys = before.size();
    if (!input.Given && !before.empty()) std::tie(input.Section, input.Key) = before.begin()->first;
    summary.Finding = CheckRoundTrips(content, input.Bytes);
    if (summary.Finding.empty()) {
        summary.Finding =
            CheckWrite(content.Document, before, input.Section, input.Key, input.Value, summary.Written);
    }
    if (summary.Finding.empty() && !before.empty()) {
        summary.Finding =
            CheckErase(content.Document, before, before.begin()->first.first, before.begin()->first.second);
    }
    return summary;
}
