// Modal forms on a UI thread driven like a user: a modal form inside a modal form, each with its
// own result; Esc and the close box giving Cancel; the other forms disabled meanwhile and enabled
// again before the modal form hides.
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TSpeedButton.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {
struct TProgram {
    TForm* Main = nullptr;
    TForm* Outer = nullptr;
    TForm* Inner = nullptr;
    TSpeedButton* Pressed = nullptr;
    std::vector<TModalResult> Results;
    std::vector<std::string> Notes;

    static TSpeedButton* Button(TForm* form, int left, const std::string& caption) {
        auto* b = new TSpeedButton(form);
        b->SetParent(form);
        b->SetBounds(left, 10, 60, 30);
        b->SetCaption(caption);
        return b;
    }

    int Run() {
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        TApplication app;
        Application->CreateForm(Main);
        Application->CreateForm(Outer);
        Application->CreateForm(Inner);
        Main->SetBounds(50, 50, 400, 300);
        Outer->SetBounds(100, 100, 300, 200);
        Inner->SetBounds(150, 150, 250, 150);
        Button(Main, 10, "Open")->OnClick = [this](TObject*) { Results.push_back(Outer->ShowModal()); };
        Pressed = Button(Main, 80, "Press");
        Pressed->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Results.push_back(Inner->ShowModal()); };
        Button(Outer, 10, "Nested")->OnClick = [this](TObject*) { Results.push_back(Inner->ShowModal()); };
        Button(Inner, 10, "OK")->OnClick = [this](TObject*) { Inner->SetModalResult(mrOk); };
        Button(Inner, 80, "Retry")->OnClick = [this](TObject*) { Inner->SetModalResult(mrRetry); };
        Outer->OnHide = [this](TObject*) { Notes.push_back(IsWindowEnabled(Main->Handle()) ? "main enabled" : "main disabled"); };
        app.Run();
        ClassicStyle::SetCaptionTextPainter(nullptr);
        return 0;
    }
};

class ModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        Driver = std::make_unique<HeadlessDriver>([this] { return Program.Run(); });
        Driver->WaitIdle();
    }
    void TearDown() override { Driver->Shutdown(); }

    // Clicks a form's client point.
    void ClickOn(TForm* TProgram::*form, int x, int y) {
        TPoint p;
        Driver->RunOnUi([&] { p = (Program.*form)->ClientToScreen({x, y}); });
        Driver->Click(p.X, p.Y);
    }
    bool Enabled(TForm* TProgram::*form) {
        bool enabled = false;
        Driver->RunOnUi([&] { enabled = IsWindowEnabled((Program.*form)->Handle()); });
        return enabled;
    }
    bool Visible(TForm* TProgram::*form) {
        bool visible = false;
        Driver->RunOnUi([&] { visible = (Program.*form)->Visible(); });
        return visible;
    }
    std::vector<TModalResult> Results() {
        std::vector<TModalResult> r;
        Driver->RunOnUi([&] { r = Program.Results; });
        return r;
    }

    TProgram Program;
    std::unique_ptr<UiDriver> Driver;
};

// The screen point of a caption button found by hit testing (run on the UI thread).
TPoint CaptionButton(HWND hwnd, int code) {
    TRect w;
    GetWindowRect(hwnd, &w);
    for (int y = w.Top; y < w.Top + 40; ++y)
        for (int x = w.Right - 1; x > w.Left; --x)
            if (SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == code) return {x - 3, y + 3};
    return {};
}
}

TEST_F(ModalTest, AModalFormInsideAModalFormReturnsEachResultAndEscCancelsTheOuter) {
    ClickOn(&TProgram::Main, 20, 20);
    ASSERT_TRUE(Visible(&TProgram::Outer));
    EXPECT_FALSE(Enabled(&TProgram::Main));
    ClickOn(&TProgram::Outer, 20, 20);
    ASSERT_TRUE(Visible(&TProgram::Inner));
    EXPECT_FALSE(Enabled(&TProgram::Outer));
    ClickOn(&TProgram::Inner, 90, 20); // Retry
    EXPECT_FALSE(Visible(&TProgram::Inner));
    EXPECT_TRUE(Enabled(&TProgram::Outer));
    EXPECT_FALSE(Enabled(&TProgram::Main)) << "the outer modal form still holds the main form";
    ClickOn(&TProgram::Outer, 20, 20);
    ClickOn(&TProgram::Inner, 20, 20); // OK
    Driver->PressKey(VK_ESCAPE);
    EXPECT_FALSE(Visible(&TProgram::Outer));
    EXPECT_TRUE(Enabled(&TProgram::Main));
    EXPECT_EQ(Results(), (std::vector<TModalResult>{mrRetry, mrOk, mrCancel}));
    std::vector<std::string> notes;
    Driver->RunOnUi([&] { notes = Program.Notes; });
    EXPECT_EQ(notes, std::vector<std::string>{"main enabled"}) << "the others are enabled before the modal form hides";
}

TEST_F(ModalTest, TheCloseBoxOfAModalFormGivesCancelAndItsOnCloseQueryCanRefuse) {
    ClickOn(&TProgram::Main, 20, 20);
    bool refuse = true;
    TPoint close;
    Driver->RunOnUi([&] {
        Program.Outer->OnCloseQuery = [&refuse](TObject*, bool& canClose) { canClose = !refuse; };
        close = CaptionButton(Program.Outer->Handle(), HTCLOSE);
    });
    ASSERT_NE(close, TPoint{});
    Driver->Click(close.X, close.Y);
    EXPECT_TRUE(Visible(&TProgram::Outer)) << "OnCloseQuery said no";
    Driver->RunOnUi([&] { refuse = false; });
    Driver->Advance(1000); // not a double click
    Driver->Click(close.X, close.Y);
    EXPECT_FALSE(Visible(&TProgram::Outer));
    EXPECT_EQ(Results(), std::vector<TModalResult>{mrCancel});
    ClickOn(&TProgram::Main, 20, 20); // it can be shown again
    EXPECT_TRUE(Visible(&TProgram::Outer));
    Driver->PressKey(VK_ESCAPE);
}

TEST_F(ModalTest, AModalFormOpenedByAPressEndsThatPressCleanly) {
    ClickOn(&TProgram::Main, 90, 20); // the press opens Inner; the release lands while it is up
    ASSERT_TRUE(Visible(&TProgram::Inner));
    Driver->PressKey(VK_ESCAPE);
    EXPECT_FALSE(Visible(&TProgram::Inner));
    TButtonState state = bsDown;
    Driver->RunOnUi([&] { state = Program.Pressed->State(); });
    EXPECT_EQ(state, bsUp);
    Driver->Advance(1000);
    ClickOn(&TProgram::Main, 20, 20); // the main form takes clicks again
    EXPECT_TRUE(Visible(&TProgram::Outer));
    Driver->PressKey(VK_ESCAPE);
    EXPECT_EQ(Results(), (std::vector<TModalResult>{mrCancel, mrCancel}));
}
