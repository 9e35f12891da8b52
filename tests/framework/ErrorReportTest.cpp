// The default error report on the real platform message box: an error in a click handler, or a
// form too large for memory, shows a box captioned with the application's title, and once it is
// dismissed the program goes on.
#include "framework/Exception.h"
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"
#include "framework/TSpeedButton.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {
// The visible "#32770" dialog (a message box), nullptr when none is up.
HWND ShownDialog() {
    HWND found = nullptr;
    EnumWindows([&](HWND h) {
        if (GetClassName(h) == "#32770" && IsWindowVisible(h)) found = h;
        return found == nullptr;
    });
    return found;
}

// An application titled as the game with one form of 300 × 200, which `build` fills; runs until
// the form closes.
int RunWithForm(TForm*& form, const std::function<void()>& build) {
    ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
    TApplication app;
    app.SetTitle("Tavik Sudoku 1.0");
    Application->CreateForm(form);
    form->SetBounds(100, 100, 300, 200);
    build();
    app.Run();
    ClassicStyle::SetCaptionTextPainter(nullptr);
    return 0;
}

std::string DialogText(HWND dialog) {
    std::string text;
    EnumChildWindows(dialog, [&](HWND h) {
        if (GetClassName(h) == "Static") text += GetWindowText(h);
        return true;
    });
    return text;
}
}

TEST(ErrorReportTest, AnErrorShowsThePlatformMessageBoxAndTheLoopGoesOnAfterIt) {
    TForm* form = nullptr;
    TSpeedButton* button = nullptr;
    int clicks = 0;
    HeadlessDriver driver([&] {
        return RunWithForm(form, [&] {
            button = new TSpeedButton(form);
            button->SetParent(form);
            button->SetBounds(10, 10, 60, 30);
            button->OnClick = [&](TObject*) {
                if (++clicks == 1) throw Exception("Элементов <>81");
            };
        });
    });
    driver.WaitIdle();
    TPoint p;
    driver.RunOnUi([&] { p = button->ClientToScreen({10, 10}); });
    driver.Click(p.X, p.Y);
    std::string caption, text;
    driver.RunOnUi([&] {
        HWND box = ShownDialog();
        caption = box ? GetWindowText(box) : "<no box>";
        text = box ? DialogText(box) : "";
    });
    EXPECT_EQ(caption, "Tavik Sudoku 1.0");
    EXPECT_NE(text.find("Элементов <>81."), std::string::npos) << text;
    driver.PressKey(VK_RETURN);
    bool boxGone = false;
    driver.RunOnUi([&] { boxGone = ShownDialog() == nullptr; });
    EXPECT_TRUE(boxGone);
    driver.Advance(1000);
    driver.Click(p.X, p.Y);
    int seen = 0;
    driver.RunOnUi([&] { seen = clicks; });
    EXPECT_EQ(seen, 2);
    driver.Shutdown();
}

TEST(ErrorReportTest, AFormTooLargeForMemoryIsReportedAndTheProgramGoesOnAndEnds) {
    TForm* form = nullptr;
    HeadlessDriver driver([&] {
        return RunWithForm(form, [&] {
            auto* menu = new TMainMenu(form);
            auto* item = new TMenuItem(form);
            item->SetCaption("Игра");
            menu->Items()->Add(item);
            form->SetMenu(menu);
        });
    });
    driver.WaitIdle();
    const int huge = std::numeric_limits<int>::max();
    driver.RunOnUi([&] { form->SetBounds(0, 0, huge, huge); });
    driver.WaitIdle();
    std::string text;
    driver.RunOnUi([&] { text = ShownDialog() ? DialogText(ShownDialog()) : "<no box>"; });
    EXPECT_NE(text.find("Not enough memory to show a window of " + std::to_string(huge) + " × " + std::to_string(huge) +
                        " pixels."),
              std::string::npos)
        << text;
    driver.PressKey(VK_RETURN);
    bool boxGone = false;
    int width = 0;
    driver.RunOnUi([&] {
        boxGone = ShownDialog() == nullptr;
        width = form->Width();
    });
    EXPECT_TRUE(boxGone);
    EXPECT_EQ(width, huge);
    // The form is destroyed at its enormous size: letting go of its menu must not try again.
    EXPECT_EQ(driver.Shutdown(), 0);
}
