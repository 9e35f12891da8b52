// The application object: the default error report with the loop going on, minimise and
// restore notifications whoever minimises the main form, timers on the virtual clock, and the
// screen's list of forms.
#include "FormTestFixture.h"

#include "framework/Exception.h"
#include "framework/TPanel.h"
#include "framework/TScreen.h"
#include "framework/TSpeedButton.h"
#include "framework/TTimer.h"

TEST_F(FormTest, AnErrorInAClickHandlerIsReportedAndTheProgramGoesOn) {
    Application->SetTitle("Tavik");
    auto form = ShownForm(50, 50, 200, 100);
    auto* button = new TSpeedButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 50, 30);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1) throw EConvertError("'x' is not a valid integer value");
        if (clicks == 2) Abort();
    };
    TPoint p = At(*button, 5, 5);
    ClickAt(p.X, p.Y);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "'x' is not a valid integer value.");
    EXPECT_EQ(Boxes[0].Caption, "Tavik");
    EXPECT_EQ(Boxes[0].Flags & MB_ICONERROR, MB_ICONERROR);
    ClickAt(p.X, p.Y);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(Boxes.size(), 1u) << "EAbort is silent";
    ClickAt(p.X, p.Y);
    EXPECT_EQ(clicks, 3) << "the loop still runs";
}

TEST_F(FormTest, OnExceptionTakesOverTheReportAndNonFrameworkErrorsAreReportedToo) {
    auto form = ShownForm(50, 50, 200, 100);
    std::vector<std::string> seen;
    form->OnClick = [](TObject*) { throw std::runtime_error("disk full."); };
    TPoint p = At(*form, 100, 50);
    ClickAt(p.X, p.Y);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "disk full.") << "no second full stop";
    Application->OnException = [&](TObject* sender, const std::exception& e) {
        seen.push_back(e.what());
        EXPECT_EQ(sender, form.get());
    };
    Advance(1000); // not a double click
    ClickAt(p.X, p.Y);
    EXPECT_EQ(seen, std::vector<std::string>{"disk full."});
    EXPECT_EQ(Boxes.size(), 1u);
}

namespace {
// The screen position of the main form's minimise box, found by hit testing the caption row.
TPoint MinimizeBox(HWND hwnd) {
    TRect w;
    GetWindowRect(hwnd, &w);
    for (int y = w.Top; y < w.Top + 40; ++y)
        for (int x = w.Right - 1; x > w.Left; --x)
            if (SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTMINBUTTON) return {x - 3, y + 3};
    return {};
}
}

TEST_F(FormTest, MinimiseAndRestoreOfTheMainFormReachTheApplicationFromTitleBarDesktopAndCode) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetBounds(100, 100, 300, 200);
    main->Show();
    Pump();
    std::vector<std::string> events;
    Application->OnMinimize = [&](TObject*) { events.push_back("min"); };
    Application->OnRestore = [&](TObject*) { events.push_back("restore"); };

    TPoint box = MinimizeBox(main->Handle());
    ASSERT_NE(box, TPoint{});
    QueuedClick(box.X, box.Y);
    EXPECT_TRUE(IsIconic(main->Handle()));
    EXPECT_TRUE(Application->Minimized());
    EXPECT_EQ(main->WindowState(), wsMinimized);
    Input().DesktopMinimize(main->Handle(), false);
    Pump();
    EXPECT_EQ(main->WindowState(), wsNormal);
    Input().DesktopMinimize(main->Handle(), true);
    Pump();
    Input().DesktopMinimize(main->Handle(), true); // already minimised: nothing new
    Pump();
    Application->Restore();
    Pump();
    Application->Minimize();
    Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"min", "restore", "min", "restore", "min"}));
    EXPECT_EQ(main->Width(), 300) << "the size survives minimising";
}

TEST_F(FormTest, TimersFireOnTheVirtualClockAndRestartWhenChanged) {
    TTimer timer(nullptr);
    std::vector<std::uint64_t> fired;
    timer.OnTimer = [&](TObject*) { fired.push_back(FBackend.Virtual().NowMs()); };
    timer.SetInterval(100);
    Advance(250);
    EXPECT_EQ(fired, (std::vector<std::uint64_t>{100, 200}));
    timer.SetInterval(30); // restarts from now (250)
    Advance(70);
    EXPECT_EQ(fired.back(), 310u);
    timer.SetEnabled(false);
    fired.clear();
    Advance(500);
    EXPECT_TRUE(fired.empty());
    timer.SetEnabled(true);
    timer.SetInterval(0);
    Advance(500);
    EXPECT_TRUE(fired.empty()) << "an interval of 0 never fires";
}

TEST_F(FormTest, ATimerMayBeFreedOrChangedInsideItsOwnHandler) {
    auto* once = new TTimer(nullptr);
    once->SetInterval(40);
    int onceTicks = 0;
    once->OnTimer = [&](TObject* sender) {
        ++onceTicks;
        delete sender;
    };
    TTimer slower(nullptr);
    slower.SetInterval(30);
    std::vector<std::uint64_t> fired;
    slower.OnTimer = [&](TObject*) {
        fired.push_back(FBackend.Virtual().NowMs());
        slower.SetInterval(100);
    };
    Advance(300);
    EXPECT_EQ(onceTicks, 1);
    EXPECT_EQ(fired, (std::vector<std::uint64_t>{30, 130, 230}));
}

TEST_F(FormTest, AnErrorInATimerHandlerIsReportedAndTheTimerKeepsRunning) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(50);
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        throw ERangeError("Range check error");
    };
    Advance(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(Boxes.size(), 2u);
}

TEST_F(FormTest, CreateFormMakesTheFirstFormTheMainOneAndRunsOnCreateAfterTheConstructor) {
    struct TMyForm : TForm {
        explicit TMyForm(TComponent* owner) : TForm(owner) {
            Panel = new TPanel(this);
            Panel->SetParent(this);
            OnCreate = [this](TObject*) { PanelAtCreate = Panel != nullptr && Panel->Parent() == this; };
        }
        TPanel* Panel = nullptr;
        bool PanelAtCreate = false;
    };
    TMyForm* first = nullptr;
    TForm* second = nullptr;
    Application->CreateForm(first);
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_TRUE(first->PanelAtCreate);
    EXPECT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->Forms(1), second);
    first->Show();
    Pump();
    first->Close(); // closing the main form ends the application
    Pump();
    EXPECT_TRUE(Application->Terminated());
}
