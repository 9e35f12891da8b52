// TIniFile over the platform's INI facility.
#include "framework/TIniFile.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/TStrings.h"

TIniFile::TIniFile(std::string fileName) : FIni(std::move(fileName)) {}

void TIniFile::Check(bool written) const {
    if (!written) throw EIniFileException(Format(SIniFileWriteError, {FileName()}));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident, std::string_view defaultValue) const {
    return FIni.ReadString(section, ident, defaultValue);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view ident, int defaultValue) const {
    return FIni.ReadInteger(section, ident, defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool defaultValue) const {
    return FIni.ReadBool(section, ident, defaultValue);
}

void TIniFile::WriteString(std::string_view section, std::string_view ident, std::string_view value) {
    Check(FIni.WriteString(section, ident, value));
}

void TIniFile::WriteInteger(std::string_view section, std::string_view ident, int value) {
    Check(FIni.WriteInteger(section, ident, value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value) {
    Check(FIni.WriteBool(section, ident, value));
}

void TIniFile::ReadSections(TStrings& strings) const {
    TStringsUpdate update(strings);
    strings.Clear();
    for (const std::string& name : FIni.ReadSections()) strings.Add(name);
}

void TIniFile::ReadSection(std::string_view section, TStrings& strings) const {
    TStringsUpdate update(strings);
    strings.Clear();
    for (const std::string& key : FIni.ReadSection(section)) strings.Add(key);
}

void TIniFile::ReadSectionValues(std::string_view section, TStrings& strings) const {
    TStringsUpdate update(strings);
    strings.Clear();
    for (const std::string& key : FIni.ReadSection(section))
        strings.Add(key + strings.NameValueSeparator() + FIni.ReadString(section, key, ""));
}

bool TIniFile::SectionExists(std::string_view section) const {
    return FIni.SectionExists(section);
}

bool TIniFile::ValueExists(std::string_view section, std::string_view ident) const {
    return FIni.ValueExists(section, ident);
}

void TIniFile::DeleteKey(std::string_view section, std::string_view ident) {
    Check(FIni.DeleteKey(section, ident));
}

void TIniFile::EraseSection(std::string_view section) {
    Check(FIni.EraseSection(section));
}
