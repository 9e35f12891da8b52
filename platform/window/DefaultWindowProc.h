// The default window procedure: one dispatch switch over named handlers, each doing what the
// desktop's default procedure does for that message.
#pragma once

#include "platform/window/WinTypes.h"

class DefaultWindowProc {
public:
    static LRESULT Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT NcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT NcHitTest(HWND hwnd, LPARAM lParam);
    static LRESULT NcPaint(HWND hwnd);
    static LRESULT NcActivate(HWND hwnd, WPARAM wParam);
    static LRESULT NcLButtonDown(HWND hwnd, WPARAM ht, LPARAM lParam);
    static LRESULT NcLButtonDblClk(HWND hwnd, WPARAM ht, LPARAM lParam);
    static LRESULT SysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT SysKey(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT SetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT MouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT ContextMenu(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT EraseBackground(HWND hwnd, WPARAM wParam);
    static LRESULT Paint(HWND hwnd);
    static LRESULT Print(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT SetText(HWND hwnd, LPARAM lParam);
    static LRESULT GetText(HWND hwnd, LPARAM lParam);
    static LRESULT PosChanged(HWND hwnd, LPARAM lParam);
    static LRESULT Activate(HWND hwnd, WPARAM wParam);
    static LRESULT SetRedraw(HWND hwnd, WPARAM wParam);
    static LRESULT ShowWindowMsg(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT PassToParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
