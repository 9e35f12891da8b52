// Restoring and storing the windows' sizes and places.
#include "app/WindowGeometry.h"

#include "app/TForm1.h"
#include "app/TRecordsListF.h"
#include "app/TSetValueF.h"
#include "app/TSettingsF.h"
#include "app/logic/FitToWorkArea.h"
#include "framework/TIniFile.h"
#include "framework/TScreen.h"
#include "platform/window/SystemApi.h"

#include <string>

namespace {

constexpr const char* Global = "global";

void RestoreSize(const TIniFile& ini, TControl& window, const std::string& key, int width, int height) {
    PlaceOnWorkArea(window, window.Left(), window.Top(), ini.ReadInteger(Global, key + "_width", width),
                    ini.ReadInteger(Global, key + "_height", height));
}

void RestorePlace(const TIniFile& ini, TControl& window, const std::string& key) {
    PlaceOnWorkArea(window, ini.ReadInteger(Global, key + "_left", 100), ini.ReadInteger(Global, key + "_top", 70),
                    window.Width(), window.Height());
}

void StoreSize(TIniFile& ini, const TControl& window, const std::string& key) {
    ini.WriteInteger(Global, key + "_width", window.Width());
    ini.WriteInteger(Global, key + "_height", window.Height());
}

void StorePlace(TIniFile& ini, const TControl& window, const std::string& key) {
    ini.WriteInteger(Global, key + "_left", window.Left());
    ini.WriteInteger(Global, key + "_top", window.Top());
}

} // namespace

void PlaceOnWorkArea(TControl& window, int left, int top, int width, int height) {
    const TSize smallest{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    window.SetBoundsRect(FitToWorkArea(left, top, width, height, Screen->WorkAreaRect(), smallest));
}

void RestoreWindowGeometry(const TIniFile& ini, bool sizes, bool places) {
    if (sizes) {
        RestoreSize(ini, *SetValueF, "setform", 128, 138);
        RestoreSize(ini, *RecordsListF, "recform", RecordsListF->Width(), RecordsListF->Height());
    }
    if (places) {
        RestorePlace(ini, *SettingsF, "settingsform");
        RestorePlace(ini, *RecordsListF, "recform");
    }
}

void StoreWindowGeometry(TIniFile& ini, bool sizes, bool places) {
    if (sizes) {
        StoreSize(ini, *Form1, "form");
        StoreSize(ini, *SetValueF, "setform");
        StoreSize(ini, *RecordsListF, "recform");
    }
    if (places) {
        StorePlace(ini, *Form1, "form");
        StorePlace(ini, *SettingsF, "settingsform");
        StorePlace(ini, *RecordsListF, "recform");
    }
}
