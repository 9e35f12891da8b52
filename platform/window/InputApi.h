// Mouse, keyboard, focus and activation. UI-thread only.
#pragma once

#include "platform/window/WinCodes.h"
#include "platform/window/WinTypes.h"
#include "platform/window/VirtualKeys.h"

using SHORT = std::int16_t;

HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// TME_LEAVE (with TME_NONCLIENT for the frame) posts WM_MOUSELEAVE / WM_NCMOUSELEAVE once when
// the pointer leaves the window (or its client / non-client part). TME_HOVER posts WM_MOUSEHOVER
// / WM_NCMOUSEHOVER once when the pointer rests within the hover rectangle for dwHoverTime
// milliseconds of the back end's clock (HOVER_DEFAULT: 400). TME_CANCEL with TME_LEAVE or
// TME_HOVER stops that tracking.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);
BOOL GetCursorPos(TPoint* point);
BOOL SetCursorPos(int x, int y);
// Confines the pointer to a screen rectangle; nullptr frees it.
BOOL ClipCursor(const TRect* rect);
BOOL GetClipCursor(TRect* rect);
HCURSOR LoadCursor(void* instance, int cursorId);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The IDC_* number of a cursor handle from LoadCursor, 0 for none.
int CursorId(HCURSOR cursor);

HWND SetFocus(HWND hwnd);
HWND GetFocus();
// High bit set while down; low bit toggles with each press.
SHORT GetKeyState(int vk);
SHORT GetAsyncKeyState(int vk);

HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
UINT GetDoubleClickTime();
