// A headless window system with the standard controls registered and one host window, for the
// benchmarks of the standard controls.
#pragma once

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/controls/StandardControls.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

struct TControlsBenchSession {
    HeadlessBackend Backend;
    HWND Main = nullptr;
    TControlsBenchSession(int width, int height) {
        WindowSystem::Start(Backend);
        // Caption text is not what is measured.
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        RegisterStandardControls();
        WNDCLASS wc;
        wc.lpszClassName = "BenchHost";
        wc.hbrBackground = clBtnFace;
        RegisterClass(wc);
        Main = CreateWindowEx(0, "BenchHost", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, width, height, nullptr, nullptr);
    }
    ~TControlsBenchSession() {
        WindowSystem::Stop();
        ClassicStyle::SetCaptionTextPainter(nullptr);
    }
    TControlsBenchSession(const TControlsBenchSession&) = delete;
    TControlsBenchSession& operator=(const TControlsBenchSession&) = delete;
};
