// The game fixture's helpers that look into the dialogs.
#include "tests/app/GameFixture.h"

#include "framework/TButton.h"
#include "platform/system/CodePage.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsSpeedButton.h"

#include "platform/controls/MenuApi.h"

#include <fstream>

namespace {

void CollectTexts(TWinControl* parent, std::string& out) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (dynamic_cast<TButton*>(control)) continue;
        if (auto* inner = dynamic_cast<TWinControl*>(control)) CollectTexts(inner, out);
        const std::string text = control->Caption();
        if (text.empty()) continue;
        if (!out.empty()) out += "\n";
        out += text;
    }
}

} // namespace

void GameTest::PutSettings(const std::string& utf8Text) {
    std::ofstream(SettingsPath(), std::ios::binary) << Utf8ToCp1251(utf8Text);
}

TPoint GameTest::DigitCentre(int digit) {
    return Ui([&] {
        TsButton* b = SetValueF->DigitButtons[static_cast<std::size_t>(digit - 1)];
        return b->ClientToScreen({b->Width() / 2, b->Height() / 2});
    });
}

void GameTest::ClickDigit(int digit, TMouseButton button) {
    const TPoint at = DigitCentre(digit);
    FDriver->Advance(DoubleClickGap);
    FDriver->Click(at.X, at.Y, button);
}

void GameTest::WinIn(int seconds) {
    const int last = HiddenCells().back();
    SolveAllBut(last);
    ClickCell(last);
    // The clock is set while the chooser is open; no time passes from here to the answer.
    Ui([&] { Form1->Seconds = seconds; });
    const TPoint at = DigitCentre(ValueOf(last));
    FDriver->Click(at.X, at.Y);
}

void GameTest::ClickMark(int digit, TMouseButton button) {
    const TPoint at = Ui([&] {
        TsSpeedButton* b = SetValueF->MarkButtons[static_cast<std::size_t>(digit - 1)];
        return b->ClientToScreen({b->Width() / 2, b->Height() / 2});
    });
    FDriver->Advance(DoubleClickGap);
    FDriver->Click(at.X, at.Y, button);
}

// A framework form's labels are window-less; a platform dialog's texts are "Static" windows.
std::string GameTest::ActiveDialogText() {
    return Ui([] {
        std::string text;
        HWND active = GetActiveWindow();
        if (auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(active))) {
            CollectTexts(form, text);
            return text;
        }
        EnumChildWindows(active, [&](HWND child) {
            if (GetClassName(child) != "Static") return true;
            const std::string part = GetWindowText(child);
            if (!text.empty() && !part.empty()) text += "\n";
            text += part;
            return true;
        });
        return text;
    });
}

// The close box answers HTCLOSE: found along the caption from the right.
void GameTest::ClickCloseBox() {
    const TPoint at = Ui([] {
        HWND active = GetActiveWindow();
        TRect r;
        GetWindowRect(active, &r);
        for (int y = r.Top + 2; y < r.Top + 30; ++y)
            for (int x = r.Right - 2; x > r.Right - 60; --x)
                if (SendMessage(active, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return TPoint{x, y};
        return TPoint{-1, -1};
    });
    ASSERT_GE(at.X, 0) << "the active window has no close box";
    FDriver->Advance(DoubleClickGap);
    FDriver->Click(at.X, at.Y);
}

void GameTest::ClickMenu(int position) {
    const TRect item = Ui([&] {
        TRect r;
        GetMenuItemRect(Form1->Handle(), GetMenu(Form1->Handle()), static_cast<UINT>(position), &r);
        return r;
    });
    ASSERT_FALSE(item.IsEmpty()) << "no menu item " << position;
    FDriver->Advance(DoubleClickGap);
    FDriver->Click((item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2);
}

void GameTest::ClickOn(const std::function<TControl*()>& control) {
    const TPoint at = Ui([&] {
        TControl* c = control();
        return c->ClientToScreen({c->Width() / 2, c->Height() / 2});
    });
    FDriver->Advance(DoubleClickGap);
    FDriver->Click(at.X, at.Y);
}
