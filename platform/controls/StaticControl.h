// The "Static" window class: captions aligned left, centred or right (word-broken, single-line
// or without word wrap), filled and framed rectangles, etched lines and owner-drawn statics.
// Colours come from the parent through WM_CTLCOLORSTATIC; with SS_NOTIFY clicks reach the parent
// as STN_CLICKED / STN_DBLCLK, without it the mouse passes through to what lies below.
#pragma once

#include "platform/controls/ControlText.h"
#include "platform/window/WinTypes.h"

class StaticControl {
public:
    static constexpr const char* kClassName = "Static";
    static void Register();
    // The caption format of a text style (SS_LEFT, SS_CENTER, SS_RIGHT, SS_SIMPLE, ...).
    static TCaptionFormat CaptionFormat(DWORD style);

    explicit StaticControl(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    DWORD Style() const;
    void Paint(HDC dc);
    void PaintText(HDC dc, const TRect& client, DWORD style);
    void PaintShape(HDC dc, const TRect& client, DWORD type);
    void PaintOwnerDraw(HDC dc, const TRect& client);

    LRESULT OnPaint();
    LRESULT OnLookChanged(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnEnable(WPARAM enabled);
    LRESULT OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT OnHitTest(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnClick(WORD code);

    HWND FHwnd;
    HFONT FFont = nullptr;
};
