// A program for dialog and message box tests on the UI-driver thread: a main window that runs
// whatever modal call a test posts to it and keeps the result; tests act through the driver.
#pragma once

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/controls/DialogApi.h"
#include "platform/controls/MessageBox.h"
#include "platform/controls/StandardControls.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class DialogDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        Driver = std::make_unique<HeadlessDriver>([this] { return Run(); });
        Driver->WaitIdle();
    }
    void TearDown() override { Driver->Shutdown(); }

    int Run() {
        RegisterStandardControls();
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        WNDCLASS wc;
        wc.lpszClassName = "DialogMain";
        wc.hbrBackground = clBtnFace;
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_APP && Pending) {
                auto call = std::move(Pending);
                Result = call();
                Returned = true;
                return 0;
            }
            if (m == WM_ENTERIDLE) IdleReasons.push_back({w, reinterpret_cast<HWND>(l)});
            if (m == WM_DESTROY) PostQuitMessage(0);
            return DefWindowProc(h, m, w, l);
        };
        RegisterClass(wc);
        Main = CreateWindowEx(0, "DialogMain", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150, 500, 400, nullptr, nullptr);
        MSG msg;
        while (GetMessage(&msg, nullptr, 0, 0)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        return 0;
    }

    // Starts a modal call inside the main window's message handling and waits until it idles.
    void Start(std::function<INT_PTR()> call) {
        Returned = false;
        Driver->RunOnUi([&] {
            Pending = std::move(call);
            PostMessage(Main, WM_APP, 0, 0);
        });
        Driver->WaitIdle();
    }
    template <typename T> T OnUi(const std::function<T()>& fn) {
        T out{};
        Driver->RunOnUi([&] { out = fn(); });
        return out;
    }
    // The visible dialog window ("#32770"), nullptr when none.
    HWND Dialog() {
        return OnUi<HWND>([] {
            HWND found = nullptr;
            EnumWindows([&](HWND h) {
                if (GetClassName(h) == "#32770" && IsWindowVisible(h)) found = h;
                return !found;
            });
            return found;
        });
    }
    HWND Item(int id) {
        HWND dlg = Dialog();
        return OnUi<HWND>([&] { return GetDlgItem(dlg, id); });
    }
    HWND Focus() {
        return OnUi<HWND>([] { return GetFocus(); });
    }
    void ClickWindow(HWND hwnd) {
        TRect r = OnUi<TRect>([&] { TRect w; GetWindowRect(hwnd, &w); return w; });
        Driver->Click((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    bool Finished() const { return Returned; }

    HWND Main = nullptr;
    std::vector<std::pair<WPARAM, HWND>> IdleReasons; // WM_ENTERIDLE received by the main window
    std::function<INT_PTR()> Pending;
    std::atomic<INT_PTR> Result{0};
    std::atomic<bool> Returned{false};
    std::unique_ptr<UiDriver> Driver;
};
