// A small program for the driver and script tests: a main window with a button-class child; a
// click on the child opens a modal window whose own timer closes it after 500 ms.
#pragma once

#include "platform/window/ClassicStyle.h"
#include "platform/window/ModalLoop.h"
#include "platform/window/Win.h"

#include <atomic>
#include <memory>
#include <thread>

struct TProgram {
    std::atomic<int> Clicks{0};
    std::atomic<int> ModalsClosed{0};
    std::atomic<int> Chars{0};
    std::thread::id UiThread;
    HWND MainWindow = nullptr; // UI thread only

    int Run() {
        UiThread = std::this_thread::get_id();
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        WNDCLASS wc;
        wc.lpszClassName = "Main";
        wc.hbrBackground = clBtnFace;
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_DESTROY) PostQuitMessage(3);
            if (m == WM_CHAR) ++Chars;
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(wc);
        WNDCLASS bc;
        bc.lpszClassName = "Button";
        bc.hbrBackground = clBtnFace;
        bc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == 0x00F0) return 1; // checked
            if (m == WM_LBUTTONUP) {
                ++Clicks;
                OpenModal(GetAncestor(h, GA_ROOT));
            }
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(bc);
        MainWindow = CreateWindowEx(0, "Main", "Main window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr);
        CreateWindowEx(0, "Button", "Go", WS_CHILD | WS_VISIBLE, 20, 20, 80, 30, MainWindow, nullptr);
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        return static_cast<int>(msg.wParam);
    }

    void OpenModal(HWND owner) {
        auto loop = std::make_shared<ModalLoop>();
        WNDCLASS mc;
        mc.lpszClassName = "Modal";
        mc.hbrBackground = clWhite;
        mc.lpfnWndProc = [loop, owner](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_TIMER) {
                EnableWindow(owner, TRUE); // before the modal goes, so the owner can be activated
                DestroyWindow(h);
            }
            if (m == WM_DESTROY) loop->End();
            return DefWindowProc(h, m, w, l);
        };
        UnregisterClass("Modal");
        RegisterClass(mc);
        EnableWindow(owner, FALSE);
        HWND modal = CreateWindowEx(0, "Modal", "Modal", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 600, 100, 200, 150, owner, nullptr);
        SetTimer(modal, 1, 500);
        loop->Run();
        EnableWindow(owner, TRUE);
        ++ModalsClosed;
    }
};
