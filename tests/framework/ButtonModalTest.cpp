// A dialog shown modally and worked like a user: Enter in its edit clicks the default button
// (OK), Esc the cancel button, Enter on another focused button clicks that one instead, and
// bitmap buttons of the OK and Cancel kinds end the dialog the same way.
#include "framework/TApplication.h"
#include "framework/TBitBtn.h"
#include "framework/TButton.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"

#include "platform/backend/headless/HeadlessDriver.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/Win.h"

#include <gtest/gtest.h>

namespace {
struct TDialogProgram {
    TForm* Main = nullptr;
    TForm* Dialog = nullptr;
    TEdit* Edit = nullptr;
    TButton* Other = nullptr;
    TButton* Ok = nullptr;
    TButton* Cancel = nullptr;
    bool BitButtons = false;
    std::vector<TModalResult> Results;
    std::vector<std::string> Clicks;

    template <class T>
    T* Button(int left, const std::string& caption) {
        auto* b = new T(Dialog);
        b->SetParent(Dialog);
        b->SetBounds(left, 60, 70, 25);
        b->SetCaption(caption);
        b->OnClick = [this, b](TObject*) { Clicks.push_back(b->Caption()); };
        return b;
    }

    void MakeDialog() {
        Dialog->SetBounds(200, 200, 260, 140);
        Edit = new TEdit(Dialog);
        Edit->SetParent(Dialog);
        Edit->SetBounds(10, 10, 200, 21);
        Other = Button<TButton>(10, "Other");
        if (BitButtons) {
            auto* ok = Button<TBitBtn>(90, "");
            ok->SetKind(bkOK);
            auto* cancel = Button<TBitBtn>(170, "");
            cancel->SetKind(bkCancel);
            Ok = ok;
            Cancel = cancel;
        } else {
            Ok = Button<TButton>(90, "OK");
            Ok->SetDefault(true);
            Ok->SetModalResult(mrOk);
            Cancel = Button<TButton>(170, "Cancel");
            Cancel->SetCancel(true);
            Cancel->SetModalResult(mrCancel);
        }
        Edit->SetTabOrder(0);
    }

    int Run() {
        ClassicStyle::SetCaptionTextPainter([](HDC, const std::string&, const TRect&, bool, bool) {});
        TApplication app;
        Application->CreateForm(Main);
        Application->CreateForm(Dialog);
        Main->SetBounds(50, 50, 300, 200);
        MakeDialog();
        auto* open = new TButton(Main);
        open->SetParent(Main);
        open->SetBounds(10, 10, 75, 25);
        open->OnClick = [this](TObject*) { Results.push_back(Dialog->ShowModal()); };
        app.Run();
        ClassicStyle::SetCaptionTextPainter(nullptr);
        return 0;
    }
};

class ButtonModalTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        Program.BitButtons = GetParam();
        Driver = std::make_unique<HeadlessDriver>([this] { return Program.Run(); });
        Driver->WaitIdle();
    }
    void TearDown() override { Driver->Shutdown(); }

    void Open() {
        TPoint p;
        Driver->RunOnUi([&] { p = Program.Main->ClientToScreen({20, 20}); });
        Driver->Click(p.X, p.Y);
        Driver->Advance(600);
        bool shown = false;
        Driver->RunOnUi([&] { shown = Program.Dialog->Visible(); });
        ASSERT_TRUE(shown);
    }
    template <class T>
    T OnUi(const std::function<T()>& read) {
        T value{};
        Driver->RunOnUi([&] { value = read(); });
        return value;
    }

    TDialogProgram Program;
    std::unique_ptr<UiDriver> Driver;
};
}

TEST_P(ButtonModalTest, EnterInTheEditGivesOkAndEscGivesCancelThroughTheButtons) {
    Open();
    Driver->Type("42");
    Driver->PressKey(VK_RETURN);
    EXPECT_FALSE(OnUi<bool>([&] { return Program.Dialog->Visible(); }));
    EXPECT_EQ(OnUi<std::string>([&] { return Program.Edit->Text(); }), "42");
    Open();
    Driver->PressKey(VK_ESCAPE);
    EXPECT_FALSE(OnUi<bool>([&] { return Program.Dialog->Visible(); }));
    EXPECT_EQ(OnUi<std::vector<TModalResult>>([&] { return Program.Results; }), (std::vector<TModalResult>{mrOk, mrCancel}));
    EXPECT_EQ(OnUi<std::vector<std::string>>([&] { return Program.Clicks; }),
              (std::vector<std::string>{"OK", "Cancel"})) << "the buttons were clicked, not just the form closed";
}

TEST_P(ButtonModalTest, EnterOnAnotherFocusedButtonClicksThatOneAndTheDialogStays) {
    Open();
    Driver->PressKey(VK_TAB); // from the edit to "Other"
    ASSERT_TRUE(OnUi<bool>([&] { return Program.Other->Focused(); }));
    Driver->PressKey(VK_RETURN);
    EXPECT_TRUE(OnUi<bool>([&] { return Program.Dialog->Visible(); }));
    EXPECT_EQ(OnUi<std::vector<std::string>>([&] { return Program.Clicks; }), std::vector<std::string>{"Other"});
    Driver->PressKey(VK_TAB, {VK_SHIFT});
    Driver->PressKey(VK_RETURN);
    EXPECT_EQ(OnUi<std::vector<TModalResult>>([&] { return Program.Results; }), std::vector<TModalResult>{mrOk});
}

INSTANTIATE_TEST_SUITE_P(PlainAndBitmapButtons, ButtonModalTest, ::testing::Bool());
