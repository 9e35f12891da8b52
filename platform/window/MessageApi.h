// Messages, the message loop, timers, waits and hooks. UI-thread only.
#pragma once

#include "platform/window/WinCodes.h"
#include "platform/window/WinMessages.h"
#include "platform/window/WinTypes.h"

#include <string>

// Synchronous and re-entrant: the window's procedure chain runs at once on this thread.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// hwnd nullptr posts a thread message.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Order of retrieval: posted messages, then input, then WM_QUIT, then WM_PAINT, then WM_TIMER.
// GetMessage waits on the back end until something arrives; it returns FALSE for WM_QUIT.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT minMsg, UINT maxMsg);
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT minMsg, UINT maxMsg, UINT removeFlags);
// WM_KEYDOWN of Back, Tab, Enter, Esc and Ctrl+letter posts the WM_CHAR control code; Alt+key
// (WM_SYSKEYDOWN) posts WM_SYSCHAR with the lower-case character (the layout's letter when the
// back end told it, else the key code's). Printable text arrives as
// WM_CHAR from the back end's text input.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
// Waits until something is there to retrieve.
BOOL WaitMessage();
DWORD GetMessageTime();
TPoint GetMessagePos();

// Names map to numbers from $C000 up, the same number for the same name.
UINT RegisterWindowMessage(const std::string& name);

// Window timers (hwnd, id) post WM_TIMER to the window; thread timers (hwnd nullptr) call fn.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC fn = {});
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// Waits on the back end's clock (the virtual clock simply moves on). Messages are not handled.
void Sleep(DWORD ms);
DWORD GetTickCount();
DWORD GetCurrentThreadId();

// Only WH_CBT is supported; module and thread are accepted for the desktop's signature.
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, void* module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
