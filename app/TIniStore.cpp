// The settings file as the records table's store.
#include "app/TIniStore.h"

#include "framework/TIniFile.h"

std::string TIniStore::ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) {
    return FIni.ReadString(section, key, defaultValue);
}

void TIniStore::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    FIni.WriteString(section, key, value);
}
