// Shared set-up for standard-control tests: the window system on the test thread with the
// controls registered, a recording parent window, user input at a control's client coordinates
// and pixel reading of what a control painted.
#pragma once

#include "platform/controls/StandardControls.h"
#include "tests/platform/window/WindowTestFixture.h"

#include <functional>
#include <utility>
#include <vector>

class ControlTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterStandardControls();
        Parent = Top("parent", 50, 50, 400, 300);
        Pump();
    }

    HWND Make(const std::string& cls, const std::string& text, DWORD style, TRect r, int id = 100, HWND parent = nullptr) {
        HWND h = CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.Left, r.Top, r.Width(), r.Height(),
                                parent ? parent : Parent, reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)));
        Pump();
        return h;
    }

    TPoint Screen(HWND h, int x, int y) {
        TPoint p{x, y};
        ClientToScreen(h, &p);
        return p;
    }
    void MouseTo(HWND h, int x, int y) {
        TPoint p = Screen(h, x, y);
        Input().MouseMove(p.X, p.Y);
        Pump();
    }
    void MouseButton(HWND h, int x, int y, bool down) {
        TPoint p = Screen(h, x, y);
        Input().MouseMove(p.X, p.Y);
        Input().MouseButton(TMouseButton::mbLeft, down, p.X, p.Y);
        Pump();
    }
    void ClickAt(HWND h, int x, int y) {
        MouseButton(h, x, y, true);
        MouseButton(h, x, y, false);
    }
    void KeyDown(UINT vk) {
        Input().Key(vk, true);
        Pump();
    }
    void KeyUp(UINT vk) {
        Input().Key(vk, false);
        Pump();
    }
    void Press(UINT vk) {
        KeyDown(vk);
        KeyUp(vk);
    }

    // The WM_COMMAND notifications the parent received: (control id, code), with the sender
    // checked against the window that has that id.
    std::vector<std::pair<int, int>> Commands(HWND parent = nullptr) const {
        std::vector<std::pair<int, int>> out;
        for (const TRecorded& r : Log)
            if (r.Hwnd == (parent ? parent : Parent) && r.Msg == WM_COMMAND) out.emplace_back(LOWORD(r.WParam), HIWORD(r.WParam));
        return out;
    }

    // The colour of a client pixel as painted (after pending paints are done).
    TColor Pixel(HWND h, int x, int y) {
        UpdateWindow(GetAncestor(h, GA_ROOT));
        HDC dc = GetDC(h);
        TColor c = dc->GetPixel(x, y);
        ReleaseDC(h, dc);
        return c;
    }
    // The bounding box (client coordinates) of the pixels that match, empty when none do.
    TRect InkBox(HWND h, const std::function<bool(TColor)>& match, TRect area = {}) {
        UpdateWindow(GetAncestor(h, GA_ROOT));
        if (area.IsEmpty()) GetClientRect(h, &area);
        HDC dc = GetDC(h);
        TRect box;
        bool any = false;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) {
                if (!match(dc->GetPixel(x, y))) continue;
                box = any ? box.Union(Bounds(x, y, 1, 1)) : Bounds(x, y, 1, 1);
                any = true;
            }
        ReleaseDC(h, dc);
        return box;
    }
    static bool Dark(TColor c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; }
    static bool Reddish(TColor c) { return GetRValue(c) > 200 && GetGValue(c) < 100 && GetBValue(c) < 60; }
    static std::function<bool(TColor)> Is(TColor want) {
        TColor rgb = ColorToRGB(want);
        return [rgb](TColor c) { return c == rgb; };
    }

    HWND Parent = nullptr;
};
