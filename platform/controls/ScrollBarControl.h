// The "ScrollBar" window class: a standalone horizontal (SBS_HORZ) or vertical (SBS_VERT) bar
// that fills its client area. It shares state, layout, painting and mouse tracking with the
// windows' own scroll bars, answers the SBM_* messages behind SetScrollInfo & co. for SB_CTL,
// and tells its parent by WM_HSCROLL / WM_VSCROLL with itself in lParam.
#pragma once

#include "platform/window/ScrollBarState.h"
#include "platform/window/WinTypes.h"

class ScrollBarControl {
public:
    static constexpr const char* kClassName = "ScrollBar";
    static void Register();

    explicit ScrollBarControl(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc);
    void Changed(bool changed, bool redraw);
    LRESULT OnPaint();
    LRESULT OnMouseDown(LPARAM lParam);
    LRESULT OnKeyDown(WPARAM key);
    LRESULT SetPos(int pos, bool redraw);
    LRESULT SetRange(int min, int max, bool redraw);
    LRESULT GetRange(int* min, int* max) const;
    LRESULT SetInfo(const SCROLLINFO* info, bool redraw);
    LRESULT GetInfo(SCROLLINFO* info) const;
    LRESULT EnableArrows(UINT arrows);

    HWND FHwnd;
    ScrollBarState FState;
};
