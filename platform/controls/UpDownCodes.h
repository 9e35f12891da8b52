// The up-down control's class name, styles, messages and notification.
#pragma once

#include "platform/window/WinMessages.h"
#include "platform/window/WinTypes.h"

inline constexpr const char* UPDOWN_CLASS = "msctls_updown32";

constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_HORZ = 0x0040;

constexpr UINT UDM_SETACCEL = WM_USER + 107;
constexpr UINT UDM_SETRANGE32 = WM_USER + 111;
constexpr UINT UDM_GETRANGE32 = WM_USER + 112;
constexpr UINT UDM_SETPOS32 = WM_USER + 113;
constexpr UINT UDM_GETPOS32 = WM_USER + 114;

// One step of the acceleration table: after nSec seconds of holding, steps of nInc. The control
// keeps the first entry's step for the whole press.
struct UDACCEL {
    UINT nSec = 0;
    UINT nInc = 1;
};

// WM_NOTIFY before the position moves; a non-zero answer keeps it where it is.
constexpr UINT UDN_FIRST = static_cast<UINT>(-721);
constexpr UINT UDN_DELTAPOS = UDN_FIRST - 1;

struct NMUPDOWN {
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};
