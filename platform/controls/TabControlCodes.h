// The tab control's class name, styles, messages, item structures and notifications, with the
// Win32 values (texts are UTF-8).
#pragma once

#include "platform/window/WinTypes.h"

#include <string>

inline constexpr const char* WC_TABCONTROL = "SysTabControl32";

constexpr DWORD TCS_BOTTOM = 0x0002;
constexpr DWORD TCS_RIGHT = 0x0002; // with TCS_VERTICAL
constexpr DWORD TCS_FLATBUTTONS = 0x0008;
constexpr DWORD TCS_HOTTRACK = 0x0040;
constexpr DWORD TCS_VERTICAL = 0x0080;
constexpr DWORD TCS_TABS = 0x0000;
constexpr DWORD TCS_BUTTONS = 0x0100;
constexpr DWORD TCS_SINGLELINE = 0x0000;
constexpr DWORD TCS_MULTILINE = 0x0200;
constexpr DWORD TCS_FIXEDWIDTH = 0x0400;
constexpr DWORD TCS_RAGGEDRIGHT = 0x0800;
constexpr DWORD TCS_FOCUSONBUTTONDOWN = 0x1000;
constexpr DWORD TCS_OWNERDRAWFIXED = 0x2000;
constexpr DWORD TCS_FOCUSNEVER = 0x8000;

// The side of the control the tabs lie along, from the style.
enum class TTabSide { sdTop, sdBottom, sdLeft, sdRight };
constexpr TTabSide TabSideOf(DWORD style) {
    if (style & TCS_VERTICAL) return (style & TCS_RIGHT) ? TTabSide::sdRight : TTabSide::sdLeft;
    return (style & TCS_BOTTOM) ? TTabSide::sdBottom : TTabSide::sdTop;
}

constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr UINT TCM_GETITEM = TCM_FIRST + 5;
constexpr UINT TCM_SETITEM = TCM_FIRST + 6;
constexpr UINT TCM_INSERTITEM = TCM_FIRST + 7;
constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
constexpr UINT TCM_DELETEALLITEMS = TCM_FIRST + 9;
constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;
constexpr UINT TCM_HITTEST = TCM_FIRST + 13;
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;
constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;
constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;
// Our own: moves the selection to the next tab (wParam TRUE) or the previous one (FALSE),
// wrapping around, as Ctrl+Tab and Ctrl+Shift+Tab do; the parent hears TCN_SELCHANGING (and may
// refuse) and TCN_SELCHANGE. For a container that gets those keys while a page has the focus.
// Returns TRUE when the selection moved.
constexpr UINT TCM_SELECTNEXT = TCM_FIRST + 100;

constexpr UINT TCIF_TEXT = 0x0001;
constexpr UINT TCIF_IMAGE = 0x0002;
constexpr UINT TCIF_PARAM = 0x0008;
constexpr UINT TCIF_STATE = 0x0010;
constexpr DWORD TCIS_BUTTONPRESSED = 0x0001;
constexpr DWORD TCIS_HIGHLIGHTED = 0x0002;

// One tab. The text is read by TCM_INSERTITEM and TCM_SETITEM and written by TCM_GETITEM.
struct TCITEM {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    std::string pszText;
    int iImage = -1;
    LPARAM lParam = 0;
};

constexpr UINT TCHT_NOWHERE = 0x0001;
constexpr UINT TCHT_ONITEMICON = 0x0002;
constexpr UINT TCHT_ONITEMLABEL = 0x0004;
constexpr UINT TCHT_ONITEM = TCHT_ONITEMICON | TCHT_ONITEMLABEL;

struct TCHITTESTINFO {
    POINT pt;
    UINT flags = 0;
};

// WM_NOTIFY codes.
constexpr UINT NM_CLICK = static_cast<UINT>(-2);
constexpr UINT NM_RCLICK = static_cast<UINT>(-5);
constexpr UINT TCN_FIRST = static_cast<UINT>(-550);
constexpr UINT TCN_SELCHANGE = TCN_FIRST - 1;
constexpr UINT TCN_SELCHANGING = TCN_FIRST - 2;
