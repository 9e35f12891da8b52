// Metrics, system parameters, the platform version, clipboard text and the shell's open action.
#pragma once

#include "platform/window/WinCodes.h"
#include "platform/window/WinStyles.h"
#include "platform/window/WinTypes.h"

#include <string>

int GetSystemMetrics(int index);
// SPI_GETWORKAREA (TRect*), SPI_GETNONCLIENTMETRICS (NONCLIENTMETRICS*), SPI_GETDROPSHADOW,
// SPI_GETGRADIENTCAPTIONS, SPI_GETFLATMENU, SPI_GETMENUANIMATION, SPI_GETCOMBOBOXANIMATION,
// SPI_GETKEYBOARDCUES, SPI_GETDRAGFULLWINDOWS (BOOL*); SPI_GETMOUSEHOVERWIDTH, SPI_GETMOUSEHOVERHEIGHT,
// SPI_GETMOUSEHOVERTIME (UINT*).
BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni);

struct TPlatformVersion {
    int Major = 10;
    int Minor = 0;
};
TPlatformVersion GetPlatformVersion();
// For tests: the Parts take other paths on older platforms (major 5).
void SetPlatformVersion(int major, int minor);

BOOL SetClipboardText(const std::string& text);
std::string GetClipboardText();
// The shell's "open" action; showCommand (SW_HIDE .. SW_SHOWDEFAULT) says how the opened program's
// window should appear, as far as the desktop lets a caller say.
BOOL ShellOpen(const std::string& target, int showCommand = SW_SHOWDEFAULT);
