// The settings file as the framework offers it: the INI facility with failures thrown.
#pragma once

#include "framework/TObject.h"

#include "platform/system/IniFile.h"

#include <string>
#include <string_view>

class TStrings;

// Reads never fail: a missing file, section or key, or a value that is not a number, gives the
// default. Every write reaches the file before it returns, atomically; a write that fails throws
// EIniFileException "Unable to write to %s" with the file name, and the file keeps what it held.
// Windows-1251 on disk, UTF-8 here.
class TIniFile : public TObject {
public:
    explicit TIniFile(std::string fileName);
    std::string ClassName() const override { return "TIniFile"; }

    const std::string& FileName() const { return FIni.FileName(); }

    std::string ReadString(std::string_view section, std::string_view ident, std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view ident, int defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const;
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view ident, int value);
    void WriteBool(std::string_view section, std::string_view ident, bool value);

    // Each fills the list afresh: section names; the keys of a section; its "key=value" lines.
    void ReadSections(TStrings& strings) const;
    void ReadSection(std::string_view section, TStrings& strings) const;
    void ReadSectionValues(std::string_view section, TStrings& strings) const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view ident) const;
    void DeleteKey(std::string_view section, std::string_view ident);
    void EraseSection(std::string_view section);
    // Nothing is buffered, so there is nothing to flush.
    void UpdateFile() {}

    // Why the last write failed, for a log or a test; the exception carries the fixed text.
    const std::string& LastError() const { return FIni.LastError(); }

private:
    void Check(bool written) const;

    IniFile FIni;
};
