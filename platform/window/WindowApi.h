// Windows: classes, creation and destruction, the tree, styles, text, properties, rectangles,
// z-order, showing and enabling, and window procedures. All calls are UI-thread only; every call
// refuses (returns 0, FALSE, nullptr or "") a handle whose window has been destroyed.
#pragma once

#include "platform/window/WinCodes.h"
#include "platform/window/WinMessages.h"
#include "platform/window/WinStyles.h"
#include "platform/window/WinTypes.h"

#include <climits>
#include <string>

constexpr int CW_USEDEFAULT = INT_MIN;

ATOM RegisterClass(const WNDCLASS& wc);
BOOL UnregisterClass(const std::string& className);
std::string GetClassName(HWND hwnd);
// The class style (CS_*) of a window's class.
UINT GetClassStyle(HWND hwnd);
// Sets the class style of a window's class (so of every window of the class) and returns the
// previous one; 0 for an unknown window.
UINT SetClassStyle(HWND hwnd, UINT style);

// Sends HCBT_CREATEWND (a hook may refuse), WM_GETMINMAXINFO (top-level, sizeable), WM_NCCREATE,
// WM_NCCALCSIZE, WM_CREATE, then WM_SIZE and WM_MOVE, then WM_PARENTNOTIFY to the parents of a
// child, and shows the window when the style has WS_VISIBLE. For a child, menu is its id.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& text, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, void* createParam = nullptr);
// Destroys owned windows and children too (WM_DESTROY parent first, WM_NCDESTROY child first);
// safe from inside the window's own handler.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

// The parent of a child, the owner of a popup or overlapped window.
HWND GetParent(HWND hwnd);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetTopWindow(HWND parent);
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);
HMENU GetMenu(HWND hwnd);
// Sets the menu bar's menu of a top-level window and recalculates its frame.
BOOL SetMenu(HWND hwnd, HMENU menu);
BOOL DrawMenuBar(HWND hwnd);

LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// GWL_STYLE and GWL_EXSTYLE send WM_STYLECHANGING/WM_STYLECHANGED; the frame is not recalculated
// until SetWindowPos(SWP_FRAMECHANGED), as on the desktop.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);

BOOL SetProp(HWND hwnd, const std::string& name, std::uintptr_t data);
std::uintptr_t GetProp(HWND hwnd, const std::string& name);
std::uintptr_t RemoveProp(HWND hwnd, const std::string& name);

// Text goes through WM_SETTEXT / WM_GETTEXT (wParam unused, lParam a std::string* / const char*).
BOOL SetWindowText(HWND hwnd, const std::string& text);
std::string GetWindowText(HWND hwnd);
int GetWindowTextLength(HWND hwnd);

BOOL GetWindowRect(HWND hwnd, TRect* rect); // screen coordinates
BOOL GetClientRect(HWND hwnd, TRect* rect); // (0, 0, width, height)
BOOL ClientToScreen(HWND hwnd, TPoint* point);
BOOL ScreenToClient(HWND hwnd, TPoint* point);
// Converts client coordinates of `from` into client coordinates of `to` (nullptr = screen).
int MapWindowPoints(HWND from, HWND to, TPoint* points, int count);
int MapWindowRect(HWND from, HWND to, TRect* rect);
// The deepest visible, enabled window at a screen point (WM_NCHITTEST's HTTRANSPARENT honoured).
HWND WindowFromPoint(TPoint screen);
// The direct child (or parent itself) containing a point in parent's client coordinates;
// hidden and disabled children count; nullptr outside the parent.
HWND ChildWindowFromPoint(HWND parent, TPoint client);

BOOL ShowWindow(HWND hwnd, int cmd);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
// Returns TRUE when the window was disabled before the call.
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND hwnd);

// Every descendant, depth first in z-order.
BOOL EnumChildWindows(HWND parent, const WNDENUMPROC& fn);
// Top-level windows in z-order (the thread id is accepted for the desktop's signature; there is
// one UI thread).
BOOL EnumThreadWindows(DWORD threadId, const WNDENUMPROC& fn);
BOOL EnumWindows(const WNDENUMPROC& fn);

// Puts fn in front of the window's procedure and returns the link to the procedure below it;
// pass that link to CallWindowProc to hand a message on, and to RemoveWindowProc to take fn out
// again wherever it then sits in the chain.
WNDPROC SetWindowProc(HWND hwnd, WindowProcFn fn);
BOOL RemoveWindowProc(HWND hwnd, const WNDPROC& installed);
// Calls the procedure the link currently points at; DefWindowProc when it points at nothing.
LRESULT CallWindowProc(const WNDPROC& prev, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
