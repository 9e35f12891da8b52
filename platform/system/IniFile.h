// The INI facility on one file: values by section and key, Windows-1251 on disk, UTF-8 here.
#pragma once

#include "platform/system/IniDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Nothing is cached: every read reads the file again, and every write reads, changes and
// atomically replaces it, so two objects (or two programs taking turns) on one file never undo
// each other's values. A settings file is a few hundred bytes; the reads cost microseconds.
//
// Section and key names match without regard to letter case. A file that starts with a UTF-8
// byte order mark was saved by an editor as UTF-8; it is read as UTF-8 and kept so when written.
class IniFile {
public:
    static constexpr std::size_t MaxStringLength = 2047; // characters returned by ReadString
    static constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

    explicit IniFile(std::string fileName);

    const std::string& FileName() const { return FFileName; }

    // A missing file, section or key gives the default, and so does a file that cannot be read.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "$" or "0x"; anything else gives the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // An integer that is not 0.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const; // its keys
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // Each write reaches the disk before it returns; the first one creates the file. On failure
    // the file is left as it was, the result is false and LastError() says why.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    bool WriteBool(std::string_view section, std::string_view key, bool value); // "1" or "0"
    bool DeleteKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);

    const std::string& LastError() const { return FLastError; }

    // A file's bytes as a document and back: Windows-1251, or UTF-8 after a byte order mark.
    struct TContent {
        IniDocument Document;
        bool Utf8 = false;
    };
    static TContent Decode(std::string_view bytes);
    static std::string Encode(const TContent& content);

private:
    std::optional<TContent> Load(std::string& error) const;
    IniDocument LoadForReading() const;
    bool Store(const TContent& content);
    bool Fail(std::string reason);

    std::string FFileName;
    std::string FLastError;
};
