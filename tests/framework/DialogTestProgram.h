// Shared set-up for tests of modal dialogs: a program with a shown main form on the UI-driver
// thread, a way to start a dialog from the message loop (a modal loop cannot run inside
// RunOnUi), and helpers that find the open dialog and press its buttons like a user.
#pragma once

#include "framework/TApplication.h"
#include "framework/TButton.h"
#include "framework/TForm.h"
#include "framework/TScreen.h"
#include "framework/TTimer.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Driver = std::make_unique<HeadlessDriver>([this] { return Run(); });
        Driver->WaitIdle();
    }
    void TearDown() override { Driver->Shutdown(); }

    // Runs fn from a timer on the UI thread and waits until the UI thread is idle again (inside
    // the dialog fn opens, or after fn returned).
    void Later(std::function<void()> fn) {
        Driver->RunOnUi([&] {
            auto* timer = new TTimer(Main);
            timer->SetInterval(1);
            timer->OnTimer = [timer, fn](TObject*) {
                timer->SetEnabled(false);
                fn();
            };
        });
        Driver->Advance(20); // timers run at 10 ms at the least
    }
    template <class T> T OnUi(const std::function<T()>& fn) {
        T value{};
        Driver->RunOnUi([&] { value = fn(); });
        return value;
    }
    // The modal form on top, nullptr when none is open. UI thread.
    static TCustomForm* OpenDialog() {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (Screen->Forms(i)->FormState().Contains(fsModal) && Screen->Forms(i)->Visible())
                return Screen->Forms(i);
        return nullptr;
    }
    bool DialogOpen() {
        return OnUi<bool>([] { return OpenDialog() != nullptr; });
    }
    // The screen point of a control of the open dialog, found by name. UI thread inside.
    TPoint PointOf(const std::string& name, int dx = -1, int dy = -1) {
        return OnUi<TPoint>([&] {
            TCustomForm* dialog = OpenDialog();
            auto* control = dialog ? dynamic_cast<TControl*>(dialog->FindComponent(name)) : nullptr;
            if (!control) return TPoint{-1, -1};
            return control->ClientToScreen(
                {dx < 0 ? control->Width() / 2 : dx, dy < 0 ? control->Height() / 2 : dy});
        });
    }
    void ClickOn(const std::string& name) {
        const TPoint p = PointOf(name);
        ASSERT_NE(p, (TPoint{-1, -1})) << "no control named " << name;
        Driver->Advance(1000); // not a double click
        Driver->Click(p.X, p.Y);
    }

    // Clicks the open dialog's close box, found by hit testing its title bar.
    void ClickCloseBox() {
        const TPoint p = OnUi<TPoint>([] {
            HWND hwnd = OpenDialog()->Handle();
            TRect w;
            GetWindowRect(hwnd, &w);
            for (int y = w.Top; y < w.Top + 40; ++y)
                for (int x = w.Right - 1; x > w.Left; --x)
                    if (SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                        return TPoint{x - 3, y + 3};
            return TPoint{-1, -1};
        });
        ASSERT_NE(p, (TPoint{-1, -1}));
        Driver->Advance(1000);
        Driver->Click(p.X, p.Y);
    }

    int Run() {
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        TApplication app;
        app.Initialize();
        app.SetTitle("Sudoku");
        app.CreateForm(Main);
        Main->SetBounds(200, 150, 600, 450);
        app.Run();
        ClassicStyle::SetCaptionTextPainter(nullptr);
        return 0;
    }

    TForm* Main = nullptr;
    std::unique_ptr<UiDriver> Driver;
};
