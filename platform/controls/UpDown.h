// The "msctls_updown32" window class: two arrow buttons side by side (UDS_HORZ) or stacked that
// step a position within a range, repeating while held, and report each step to the parent.
#pragma once

#include "platform/controls/UpDownCodes.h"
#include "platform/window/Win.h"

// A step asks the parent first (WM_NOTIFY UDN_DELTAPOS, which may refuse it), then moves the
// position and tells the parent by WM_HSCROLL / WM_VSCROLL (SB_THUMBPOSITION, position) with
// the control in lParam. Past an end the position stays, or wraps round with UDS_WRAP.
class UpDown {
public:
    static constexpr UINT_PTR kRepeatTimer = 0x5D0A11;
    static constexpr UINT kFirstDelay = 400; // before the first repeat
    static constexpr UINT kRepeatDelay = 100;

    static void Register();

    explicit UpDown(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    bool Horizontal() const;
    // -1 for the arrow that decreases (left or bottom), +1 for the other, 0 for neither.
    int ArrowAt(TPoint p) const;
    TRect ArrowRect(int direction) const;
    void Step(int direction);
    void Paint(HDC dc);
    LRESULT OnButtonDown(LPARAM lParam);
    LRESULT OnButtonUp();
    LRESULT OnTimer(WPARAM id);
    void EndPress();
    LRESULT SetRange(int low, int high);
    LRESULT SetPos(int pos);

    HWND FHwnd;
    int FMin = 0;
    int FMax = 100;
    int FPos = 0;
    int FIncrement = 1;
    int FPressed = 0;
};
