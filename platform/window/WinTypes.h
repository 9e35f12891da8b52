// Basic types, packing macros and message structures of the window system, Win32-style.
#pragma once

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"
#include "platform/text/Font.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = WORD;

// Handles are opaque numbers in pointer clothing; the window system never dereferences them.
struct HWND__;
using HWND = HWND__*;
struct HMENU__;
using HMENU = HMENU__*;
struct HHOOK__;
using HHOOK = HHOOK__*;
struct HCURSOR__;
using HCURSOR = HCURSOR__*;
using HICON = HCURSOR;
using HRGN = Region*;

using POINT = TPoint;
using SIZE = TSize;
using RECT = TRect;

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(std::uintptr_t v) { return static_cast<BYTE>(v & 0xFF); }
constexpr BYTE HIBYTE(std::uintptr_t v) { return static_cast<BYTE>((v >> 8) & 0xFF); }
constexpr LONG MAKELONG(int lo, int hi) {
    return static_cast<LONG>((static_cast<std::uint32_t>(hi & 0xFFFF) << 16) | static_cast<std::uint32_t>(lo & 0xFFFF));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) { return static_cast<WPARAM>(static_cast<std::uint32_t>(MAKELONG(lo, hi))); }
constexpr LPARAM MAKELPARAM(int lo, int hi) { return static_cast<LPARAM>(MAKELONG(lo, hi)); }
constexpr LRESULT MAKELRESULT(int lo, int hi) { return static_cast<LRESULT>(MAKELONG(lo, hi)); }
// Signed coordinates packed in an LPARAM (negative screen positions survive).
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(l))); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(l))); }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) { return static_cast<std::int16_t>(HIWORD(w)); }
constexpr int GET_KEYSTATE_WPARAM(WPARAM w) { return LOWORD(w); }
constexpr LPARAM PointToLParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }
constexpr TPoint LParamToPoint(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

// A window procedure: a plain callable, so a procedure can be a lambda bound to an object.
using WindowProcFn = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// One procedure in a window's chain and the link to the procedure below it.
struct WindowProcNode;
struct WindowProcLink {
    std::shared_ptr<WindowProcNode> Target; // empty: nothing below (DefWindowProc answers)
};
struct WindowProcNode {
    WindowProcFn Fn;
    std::shared_ptr<WindowProcLink> Below;
};
// What SetWindowProc returns: the "previous procedure" as a link that the window system keeps
// pointing at whatever is currently below the installed procedure, so that a procedure in the
// middle of a chain can be removed without breaking the ones around it.
using WNDPROC = std::shared_ptr<WindowProcLink>;

using HOOKPROC = std::function<LRESULT(int code, WPARAM, LPARAM)>;
using TIMERPROC = std::function<void(HWND, UINT, UINT_PTR, DWORD)>;
// Enumeration callbacks return false to stop.
using WNDENUMPROC = std::function<bool(HWND)>;

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    TPoint pt;
};

struct WNDCLASS {
    UINT style = 0;
    WindowProcFn lpfnWndProc; // empty: DefWindowProc
    HCURSOR hCursor = nullptr;
    HICON hIcon = nullptr;
    TColor hbrBackground = clNone; // clNone: the background is not erased
    std::string lpszClassName;
};

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HMENU hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    std::string lpszName;
    std::string lpszClass;
    DWORD dwExStyle = 0;
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = 0;
    TRect rcPaint; // client coordinates
};

struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

struct NCCALCSIZE_PARAMS {
    TRect rgrc[3]; // [0]: new window rectangle in, client rectangle out (parent coordinates)
    WINDOWPOS* lppos = nullptr;
};

struct MINMAXINFO {
    TPoint ptReserved;
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

struct TRACKMOUSEEVENT {
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};

struct CBT_CREATEWND {
    CREATESTRUCT* lpcs = nullptr;
    HWND hwndInsertAfter = nullptr;
};

struct CBTACTIVATESTRUCT {
    BOOL fMouse = 0;
    HWND hWndActive = nullptr;
};

struct BLENDFUNCTION {
    BYTE BlendOp = 0;
    BYTE BlendFlags = 0;
    BYTE SourceConstantAlpha = 255;
    BYTE AlphaFormat = 0;
};

struct NONCLIENTMETRICS {
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    TLogFont lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    TLogFont lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    TLogFont lfMenuFont;
    TLogFont lfStatusFont;
    TLogFont lfMessageFont;
};

struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    TRect rcItem;
    UINT_PTR itemData = 0;
};

struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    UINT_PTR itemData = 0;
};

struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
