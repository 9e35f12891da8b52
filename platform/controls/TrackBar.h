// The "msctls_trackbar32" window class: a slider over a range of values, operated by keyboard,
// by paging clicks and by dragging its thumb, reporting through WM_HSCROLL / WM_VSCROLL.
#pragma once

#include "platform/controls/TrackBarLayout.h"
#include "platform/controls/TrackBarModel.h"
#include "platform/window/Win.h"

class TrackBar {
public:
    // Registers the class; calling it again does nothing.
    static void Register();

    explicit TrackBar(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    enum class TTracking { tkNone, tkThumb, tkPage };

    LRESULT OnCreate();
    LRESULT OnPaint(HDC given);
    LRESULT OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT OnLButtonDown(LPARAM lParam);
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnLButtonUp();
    LRESULT OnCaptureChanged();
    LRESULT OnTimer(WPARAM id);
    LRESULT OnKeyDown(WPARAM key);
    LRESULT OnKeyUp(WPARAM key);
    LRESULT OnMouseWheel(WPARAM wParam);
    LRESULT OnStyleChanged();
    LRESULT OnSetPos(WPARAM redraw, LPARAM pos);
    LRESULT OnSetRange(UINT msg, WPARAM redraw, LPARAM lParam);
    LRESULT OnSetSel(UINT msg, WPARAM redraw, LPARAM lParam);
    LRESULT OnSetTic(LPARAM pos);
    LRESULT OnGetTic(WPARAM index) const;
    LRESULT OnGetTicPos(WPARAM index) const;
    LRESULT OnGetNumTics() const;
    LRESULT OnGetRect(UINT msg, LPARAM rect) const;
    LRESULT OnSetThumbLength(WPARAM length);

    TrackBarLayout Layout() const;
    DWORD Style() const;
    // Moves to a value as the user asked and tells the parent with code.
    void UserMove(int pos, int code);
    void Report(int code, int pos = 0) const;
    // One page step toward the point the mouse holds, while the thumb has not reached it.
    void PageTowardMouse();
    void EndTracking(bool report);
    void Redraw(BOOL now = TRUE);

    void Paint(HDC dc);
    void PaintChannel(HDC dc, const TrackBarLayout& layout);
    void PaintTicks(HDC dc, const TrackBarLayout& layout);
    void PaintTick(HDC dc, const TrackBarLayout& layout, int pos, TColor color);

    HWND FHwnd;
    HFONT FFont = nullptr;
    TrackBarModel FModel;
    int FThumbLength = TrackBarLayout::kDefaultThumbLength;
    TTracking FTracking = TTracking::tkNone;
    int FDragOffset = 0;   // pointer minus thumb centre along the axis, at the press
    int FPageDir = 0;      // -1 toward the minimum, +1 toward the maximum
    TPoint FMouse;         // last pointer position while tracking
    bool FKeyMoved = false; // a key moved the thumb; its release ends the move
};
