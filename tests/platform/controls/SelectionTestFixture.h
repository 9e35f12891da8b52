// Shared set-up for the selection-control tests: the window system on the test thread with the
// controls registered, a recording host window as parent, and user input at client points.
#pragma once

#include "platform/controls/StandardControls.h"
#include "tests/platform/window/WindowTestFixture.h"

class SelectionTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterStandardControls();
        Host = Top("host", 100, 100, 500, 400);
    }

    HWND Make(const char* cls, DWORD style, int x, int y, int w, int h, int id = 7, const std::string& text = "") {
        return CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, Host,
                              reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)));
    }

    TPoint ScreenOf(HWND hwnd, TPoint client) {
        ClientToScreen(hwnd, &client);
        return client;
    }
    void MouseAt(HWND hwnd, TPoint client) {
        TPoint p = ScreenOf(hwnd, client);
        Input().MouseMove(p.X, p.Y);
        Pump();
    }
    void Press(HWND hwnd, TPoint client, bool down, TMouseButton b = TMouseButton::mbLeft) {
        TPoint p = ScreenOf(hwnd, client);
        Input().MouseButton(b, down, p.X, p.Y);
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

    // The pixel at a client point as the window's backing shows it.
    TColor Pixel(HWND hwnd, int x, int y) {
        Pump();
        HDC dc = GetDC(hwnd);
        TColor c = dc->GetPixel(x, y);
        ReleaseDC(hwnd, dc);
        return c;
    }

    // Messages of one kind the host received, in order.
    std::vector<TRecorded> HostGot(UINT msg) const {
        std::vector<TRecorded> out;
        for (const TRecorded& r : Log)
            if (r.Hwnd == Host && r.Msg == msg) out.push_back(r);
        return out;
    }
    // Notification codes of WM_COMMAND from one control, in order.
    std::vector<int> Commands(HWND from) const {
        std::vector<int> out;
        for (const TRecorded& r : HostGot(WM_COMMAND))
            if (reinterpret_cast<HWND>(r.LParam) == from) out.push_back(HIWORD(r.WParam));
        return out;
    }

    HWND Host = nullptr;
};
