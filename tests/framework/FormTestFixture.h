// Shared set-up for tests of windowed controls: the window system on the test thread over a
// headless back end, an application object, input helpers that pump the messages, a virtual
// clock, and a record of message boxes instead of showing them.
#pragma once

#include "framework/Exception.h"
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TScreen.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/controls/DialogCodes.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"
#include "platform/window/WindowSystem.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct TShownBox {
    std::string Text;
    std::string Caption;
    UINT Flags;
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowSystem::Start(FBackend);
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        FApp = std::make_unique<TApplication>();
        FPlatformBox = TApplication::MessageBoxFunction;
        TApplication::MessageBoxFunction = [this](HWND, const std::string& text, const std::string& caption, UINT flags) {
            Boxes.push_back({text, caption, flags});
            return IDOK;
        };
    }
    void TearDown() override {
        FApp.reset();
        WindowSystem::Stop();
        ClassicStyle::SetCaptionTextPainter(nullptr);
        TApplication::MessageBoxFunction = FPlatformBox;
    }

    // Handles everything queued, without waiting.
    void Pump() { Application->ProcessMessages(); }
    InputSink& Input() { return WindowSystem::Current()->Input(); }
    void MoveTo(int x, int y) {
        Input().MouseMove(x, y);
        Pump();
    }
    void Press(int x, int y, bool down) {
        Input().MouseButton(TMouseButton::mbLeft, down, x, y);
        Pump();
    }
    void ClickAt(int x, int y) {
        MoveTo(x, y);
        Press(x, y, true);
        Press(x, y, false);
    }
    // A whole click queued before anything is handled, for presses that run a local loop
    // (caption buttons) and would otherwise wait for the release.
    void QueuedClick(int x, int y) {
        Input().MouseMove(x, y);
        Input().MouseButton(TMouseButton::mbLeft, true, x, y);
        Input().MouseButton(TMouseButton::mbLeft, false, x, y);
        Pump();
    }
    void Key(UINT vk, bool down) {
        Input().Key(vk, down);
        Pump();
    }
    void Tap(UINT vk) {
        Key(vk, true);
        Key(vk, false);
    }
    // Moves the virtual clock in small steps so that timers fire in order.
    void Advance(std::uint64_t ms) {
        for (std::uint64_t done = 0; done < ms;) {
            const std::uint64_t step = std::min<std::uint64_t>(10, ms - done);
            FBackend.Virtual().Advance(step);
            done += step;
            Pump();
        }
    }
    // A shown form at (left, top) with the given client size, owned by the test.
    template <class T = TForm>
    std::unique_ptr<T> ShownForm(int left, int top, int clientWidth, int clientHeight) {
        auto form = std::make_unique<T>(nullptr);
        form->SetBounds(left, top, 100, 100);
        form->SetClientWidth(clientWidth);
        form->SetClientHeight(clientHeight);
        form->Show();
        Pump();
        return form;
    }
    // The screen point of a control's client point.
    static TPoint At(const TControl& control, int x, int y) { return control.ClientToScreen({x, y}); }

    HeadlessBackend FBackend;
    std::unique_ptr<TApplication> FApp;
    std::vector<TShownBox> Boxes;
    TMessageBoxFunction FPlatformBox;
};
