// Scroll bars: a window's own bars (SB_HORZ, SB_VERT; shown by WS_HSCROLL / WS_VSCROLL in the
// non-client area) and scroll-bar controls (SB_CTL, answered by the control's SBM_* messages).
// UI-thread only.
#pragma once

#include "platform/window/ScrollCodes.h"

// Returns the position after the change. For a window's own bar, a change of range or page
// shows the bar when there is something to scroll and hides it when not; with
// SIF_DISABLENOSCROLL the bar stays and its arrows are disabled instead.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
// Returns the previous position.
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max);
// SB_BOTH for both of a window's bars; SB_CTL shows or hides the control.
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
// ESB_* arrows to disable; ESB_ENABLE_BOTH enables them again.
BOOL EnableScrollBar(HWND hwnd, int bar, UINT arrows);
