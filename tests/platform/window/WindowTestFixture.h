// Shared set-up for window-system tests: the window system on the test thread over a headless
// back end, a class whose windows record the messages they receive, and a pump that empties the
// queue without waiting.
#pragma once

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

struct TRecorded {
    HWND Hwnd;
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowSystem::Start(FBackend);
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        WNDCLASS wc;
        wc.lpszClassName = "Rec";
        wc.style = CS_DBLCLKS;
        wc.hbrBackground = clWhite;
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) {
            Log.push_back({h, m, w, l});
            auto it = Handlers.find(m);
            if (it != Handlers.end()) {
                LRESULT r = 0;
                if (it->second(h, w, l, r)) return r;
            }
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(wc);
    }
    void TearDown() override {
        Handlers.clear();
        WindowSystem::Stop();
        ClassicStyle::SetCaptionTextPainter(nullptr);
    }

    // Handles every queued message, paint and due timer; never waits.
    void Pump() {
        MSG msg;
        for (int guard = 0; guard < 100000 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
            if (msg.message == WM_QUIT) {
                QuitSeen = true;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }

    HWND Top(const std::string& text, int x, int y, int w, int h, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
             DWORD ex = 0, HWND owner = nullptr) {
        return CreateWindowEx(ex, "Rec", text, style, x, y, w, h, owner, nullptr);
    }
    HWND Child(HWND parent, int x, int y, int w, int h, DWORD style = WS_VISIBLE, int id = 0) {
        return CreateWindowEx(0, "Rec", "", WS_CHILD | style, x, y, w, h, parent,
                              reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)));
    }

    // The recorded messages among `interesting` for one window (nullptr: any), in order.
    std::vector<UINT> Sequence(HWND hwnd, const std::vector<UINT>& interesting) const {
        std::vector<UINT> out;
        for (const TRecorded& r : Log)
            if ((!hwnd || r.Hwnd == hwnd) && std::find(interesting.begin(), interesting.end(), r.Msg) != interesting.end())
                out.push_back(r.Msg);
        return out;
    }
    int Count(HWND hwnd, UINT msg) const {
        return static_cast<int>(std::count_if(Log.begin(), Log.end(), [&](const TRecorded& r) { return r.Hwnd == hwnd && r.Msg == msg; }));
    }
    // Handler returns true when it answered (result in r); false passes on to DefWindowProc.
    using THandler = std::function<bool(HWND, WPARAM, LPARAM, LRESULT&)>;
    void On(UINT msg, THandler h) { Handlers[msg] = std::move(h); }

    InputSink& Input() { return WindowSystem::Current()->Input(); }

    HeadlessBackend FBackend;
    std::vector<TRecorded> Log;
    std::map<UINT, THandler> Handlers;
    bool QuitSeen = false;
};
