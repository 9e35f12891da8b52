// Reading the INI file anew for every call and replacing it atomically for every change.
#include "platform/system/IniFile.h"

#include "platform/system/CodePage.h"
#include "platform/system/Files.h"
#include "platform/system/LetterCase.h"
#include "platform/system/IntegerText.h"

#include <utility>

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

} // namespace

IniFile::IniFile(std::string fileName) : FFileName(std::move(fileName)) {}

IniFile::TContent IniFile::Decode(std::string_view bytes) {
    if (bytes.starts_with(Utf8Mark)) return TContent{IniDocument(bytes.substr(Utf8Mark.size())), true};
    return TContent{IniDocument(Cp1251ToUtf8(bytes)), false};
}

std::string IniFile::Encode(const TContent& content) {
    const std::string text = content.Document.Text();
    return content.Utf8 ? std::string(Utf8Mark) + text : Utf8ToCp1251(text);
}

std::optional<IniFile::TContent> IniFile::Load(std::string& error) const {
    if (!FileExists(FFileName)) return TContent{};
    std::string bytes;
    if (!ReadWholeFile(FFileName, MaxFileSize, bytes, error)) return std::nullopt;
    return Decode(bytes);
}

IniDocument IniFile::LoadForReading() const {
    std::string error;
    std::optional<TContent> content = Load(error);
    return content ? std::move(content->Document) : IniDocument();
}

bool IniFile::Store(const TContent& content) {
    std::string error;
    return WriteFileAtomically(FFileName, Encode(content), error) || Fail(error);
}

bool IniFile::Fail(std::string reason) {
    FLastError = std::move(reason);
    return false;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    const std::optional<std::string> value = LoadForReading().Value(section, key);
    return std::string(LeadingChars(value ? *value : defaultValue, MaxStringLength));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    const std::optional<std::string> value = LoadForReading().Value(section, key);
    if (!value) return defaultValue;
    // "0x" alone is two characters and so not hexadecimal; ParseInteger refuses it as well.
    return ParseInteger(LeadingChars(*value, MaxStringLength)).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::ReadSections() const {
    return LoadForReading().Sections();
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    return LoadForReading().Keys(section);
}

bool IniFile::SectionExists(std::string_view section) const {
    const IniDocument document = LoadForReading();
    for (const std::string& name : document.Sections()) {
        if (SameTextIgnoreCase(name, section)) return true;
    }
    return false;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return LoadForReading().Value(section, key).has_value();
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    FLastError.clear();
    if (std::string refusal = IniDocument::Refusal(section, key, value); !refusal.empty()) return Fail(refusal);
    std::string error;
    std::optional<TContent> content = Load(error);
    // A file we cannot read must not be replaced by one holding only the new value.
    if (!content) return Fail(error);
    content->Document.Set(section, key, value);
    return Store(*content);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    FLastError.clear();
    std::string error;
    std::optional<TContent> content = Load(error);
    if (!content) return Fail(error);
    if (!content->Document.EraseKey(section, key)) return true;
    return Store(*content);
}

bool IniFile::EraseSection(std::string_view section) {
    FLastError.clear();
    std::string error;
    std::optional<TContent> content = Load(error);
    if (!content) return Fail(error);
    if (!content->Document.EraseSection(section)) return true;
    return Store(*content);
}
