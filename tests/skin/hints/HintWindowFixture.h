// The drawn hint windows' test fixture: a coloured form on the virtual screen, a hint manager
// loaded with a predefinition, hints shown as the framework shows them, and what the screen then
// composes.
#pragma once

#include "tests/framework/FormTestFixture.h"

#include "skin/hints/TsCustomHintWindow.h"
#include "skin/hints/TsHintManager.h"

#include "platform/window/Compositor.h"

#include <functional>
#include <memory>
#include <string>

inline const TColor kFormColor = RGB(40, 80, 160);

class HintWindowTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Form = ShownForm(100, 100, 600, 400);
        Form->SetColor(kFormColor);
        Form->Invalidate();
        Pump();
    }
    void TearDown() override {
        TsHintManager::SetLayeredWindows(true);
        Shown.reset();
        Manager.reset();
        Form.reset();
        FormTest::TearDown();
    }
    void Load(TsHintsPredefinitions predefinition, const std::function<void(TsHintManager&)>& stored = {}) {
        Manager = std::make_unique<TsHintManager>(nullptr);
        Manager->BeginLoading();
        Manager->SetPredefinitions(predefinition);
        if (stored) stored(*Manager);
        Manager->EndLoading();
    }
    // Shows a hint the way the framework does: the show-hint handler sees the position first.
    TsCustomHintWindow* Show(const std::string& text, TPoint at) {
        std::string hint = text;
        bool canShow = true;
        THintInfo info;
        info.HintPos = at;
        Application->OnShowHint(hint, canShow, info);
        auto* window = dynamic_cast<TsCustomHintWindow*>(Application->HintWindowClass()(Application));
        Shown.reset(window);
        const TRect rect = window->CalcHintRect(0, hint, nullptr).Offset(at.X, at.Y);
        window->ActivateHint(rect, hint);
        Pump();
        return window;
    }
    TColor ScreenAt(const TsCustomHintWindow* w, int x, int y) {
        return CaptureScreen().Pixel(w->Left() + x, w->Top() + y);
    }
    // What the screen shows for a layered pixel of premultiplied colour and alpha over bg.
    static TColor Composed(TColor premultiplied, int alpha, int opacity, TColor bg) {
        const int a = Compositor::Mul255(alpha, opacity);
        auto channel = [&](int shift) {
            const int s = (premultiplied >> shift) & 0xFF, d = (bg >> shift) & 0xFF;
            return std::min(255, Compositor::Mul255(s, opacity) + Compositor::Mul255(d, 255 - a));
        };
        return RGB(channel(0), channel(8), channel(16));
    }
    static bool Inside(const TsCustomHintWindow* w, int x, int y) { return w->Mask().Pixel(x, y) != clWhite; }
    // A quarter of the way from the pointer's tip toward the body's centre, where it is wide.
    static bool PointerInside(const TsCustomHintWindow* w, TPoint tip, const TRect& body) {
        const TPoint c{body.Left + body.Width() / 2, (body.Top + body.Bottom) / 2};
        return Inside(w, tip.X + (c.X - tip.X) / 4, tip.Y + (c.Y - tip.Y) / 4);
    }
    static TRect EllipseBody(const TsCustomHintWindow* w, const TsHintKind& k) {
        const int s = k.ShadowOffset();
        if (w->Corner() == 1 || w->Corner() == 3) return {0, 0, w->Width() - s, w->Height() - s - k.ExOffset()};
        return {0, k.ExOffset(), w->Width() - s, w->Height() - s};
    }

    std::unique_ptr<TForm> Form;
    std::unique_ptr<TsHintManager> Manager;
    std::unique_ptr<TsCustomHintWindow> Shown;
};

inline int Channel(TColor c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}
