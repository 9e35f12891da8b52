// The lazily opened settings file.
#include "app/SettingsIni.h"

#include "platform/system/Paths.h"

#include <memory>

namespace {
std::unique_ptr<TIniFile>& Instance() {
    static std::unique_ptr<TIniFile> ini;
    return ini;
}
} // namespace

TIniFile& SettingsIni() {
    std::unique_ptr<TIniFile>& ini = Instance();
    if (!ini) ini = std::make_unique<TIniFile>(CurrentDirectory() + PathDelim + "settings.ini");
    return *ini;
}

bool SettingsIniOpen() {
    return Instance() != nullptr;
}

void CloseSettingsIni() {
    Instance().reset();
}
