// The records table's store over the settings file.
#pragma once

#include "app/logic/TKeyValueStore.h"

class TIniFile;

// A write that fails throws the settings file's "Unable to write to %s", so that a record that
// was not kept is never reported as kept.
class TIniStore : public TKeyValueStore {
public:
    explicit TIniStore(TIniFile& ini) : FIni(ini) {}

    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) override;
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override;

private:
    TIniFile& FIni;
};
