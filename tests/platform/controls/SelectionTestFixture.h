// Set-up for the selection-control tests on top of the standard-control fixture: a larger host
// window, controls made by position, input at client points with modifier keys, typed text,
// the virtual clock, and the host's messages from one control.
#pragma once

#include "ControlTestFixture.h"

#include <initializer_list>

class SelectionTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        Host = Parent;
        MoveWindow(Host, 100, 100, 500, 400, TRUE);
        Pump();
    }

    HWND Make(const char* cls, DWORD style, int x, int y, int w, int h, int id = 7) {
        return ControlTest::Make(cls, "", style, Bounds(x, y, w, h), id);
    }

    TPoint ScreenOf(HWND hwnd, TPoint client) { return Screen(hwnd, client.X, client.Y); }
    void MouseAt(HWND hwnd, TPoint client) { MouseTo(hwnd, client.X, client.Y); }
    void Press(HWND hwnd, TPoint client, bool down) {
        TPoint p = ScreenOf(hwnd, client);
        Input().MouseButton(TMouseButton::mbLeft, down, p.X, p.Y);
        Pump();
    }
    void ClickAt(HWND hwnd, TPoint client) {
        Press(hwnd, client, true);
        Press(hwnd, client, false);
    }
    void Wheel(HWND hwnd, TPoint client, int delta) {
        TPoint p = ScreenOf(hwnd, client);
        Input().MouseWheel(delta, p.X, p.Y);
        Pump();
    }
    void Key(UINT vk, std::initializer_list<UINT> modifiers = {}) {
        for (UINT m : modifiers) Input().Key(m, true);
        Input().Key(vk, true);
        Input().Key(vk, false);
        for (UINT m : modifiers) Input().Key(m, false);
        Pump();
    }
    void Type(const std::string& text) {
        Input().Text(text);
        Pump();
    }
    void Advance(std::uint64_t ms) {
        FBackend.Virtual().Advance(ms);
        Pump();
    }

    // Messages of one kind the host received, in order.
    std::vector<TRecorded> HostGot(UINT msg) const {
        std::vector<TRecorded> out;
        for (const TRecorded& r : Log)
            if (r.Hwnd == Host && r.Msg == msg) out.push_back(r);
        return out;
    }
    // Notification codes of WM_COMMAND from one control, in order.
    std::vector<int> CodesFrom(HWND from) const {
        std::vector<int> out;
        for (const TRecorded& r : HostGot(WM_COMMAND))
            if (reinterpret_cast<HWND>(r.LParam) == from) out.push_back(HIWORD(r.WParam));
        return out;
    }

    HWND Host = nullptr;
};
