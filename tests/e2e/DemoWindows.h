// The window demo's windows, the same on the headless and the desktop back end: two framed
// top-level windows, each with four coloured panels in a two by two grid.
#pragma once

#include "platform/window/Win.h"

#include <utility>

// A panel's own painting: its colour (kept in its user data) inside a shadow-coloured frame.
inline void PaintDemoPanel(HWND panel, HDC dc) {
    TRect rc;
    GetClientRect(panel, &rc);
    dc->FillRect(rc, static_cast<TColor>(GetWindowLongPtr(panel, GWLP_USERDATA)));
    dc->FrameRect(rc, clBtnShadow);
}

// "DemoFrame" ends the program when closed; "DemoPanel" paints with panelProc.
inline void RegisterDemoClasses(WindowProcFn panelProc) {
    WNDCLASS frame;
    frame.lpszClassName = "DemoFrame";
    frame.hbrBackground = clBtnFace;
    frame.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_CLOSE) PostQuitMessage(0);
        return DefWindowProc(h, m, w, l);
    };
    RegisterClass(frame);
    WNDCLASS panel;
    panel.lpszClassName = "DemoPanel";
    panel.lpfnWndProc = std::move(panelProc);
    RegisterClass(panel);
}

// A shown frame whose panels take colour a, except the second and third, which take b.
inline HWND DemoFrame(const char* caption, int x, int y, TColor a, TColor b) {
    HWND top = CreateWindowEx(0, "DemoFrame", caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, x, y, 360,
                              260, nullptr, nullptr);
    for (int i = 0; i < 4; ++i) {
        HWND c = CreateWindowEx(WS_EX_CLIENTEDGE, "DemoPanel", "", WS_CHILD | WS_VISIBLE, 12 + (i % 2) * 166,
                                12 + (i / 2) * 104, 150, 90, top, nullptr);
        SetWindowLongPtr(c, GWLP_USERDATA, (i % 3) ? a : b);
        InvalidateRect(c, nullptr, TRUE); // its colour came after its creation
    }
    return top;
}
