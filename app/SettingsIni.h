// The program's one settings file, "settings.ini" in the folder that is current when it is
// first needed. Process-wide because every window reads and writes it (the main window's start
// and end, the settings dialog, the records) and it must stay one file for the whole run.
#pragma once

#include "framework/TIniFile.h"

// The settings file, opened on first use.
TIniFile& SettingsIni();
bool SettingsIniOpen();
// Forgets the file, so that the next use opens it again in the then current folder (for a
// program that starts over, and for tests).
void CloseSettingsIni();
