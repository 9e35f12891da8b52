// The framework's message and input dialogs driven like a user: modal over the other forms,
// answered by the mouse, Enter, Esc and the close box, sized to their text and placed over the
// active form.
#include "DialogTestProgram.h"

#include "framework/Dialogs.h"
#include "framework/TEdit.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TMessageForm.h"

#include <vector>

namespace {

class MessageDialogTest : public DialogTest {
protected:
    // Opens a message dialog whose result lands in Results when it closes.
    void Open(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
        Later([this, text, type, buttons] { Results.push_back(MessageDlg(text, type, buttons, 0)); });
        ASSERT_TRUE(DialogOpen());
    }
    std::vector<int> Answers() {
        return OnUi<std::vector<int>>([this] { return Results; });
    }
    // Captions of the open dialog's buttons, left to right.
    std::vector<std::string> ButtonCaptions() {
        return OnUi<std::vector<std::string>>([] {
            std::vector<std::pair<int, std::string>> found;
            TCustomForm* dialog = OpenDialog();
            for (int i = 0; i < dialog->ControlCount(); ++i)
                if (auto* button = dynamic_cast<TButton*>(dialog->Controls(i)))
                    found.emplace_back(button->Left(), button->Caption());
            std::sort(found.begin(), found.end());
            std::vector<std::string> captions;
            for (const auto& entry : found) captions.push_back(entry.second);
            return captions;
        });
    }
    // The size of the open dialog and the rectangle its text needs, in the dialog's client area.
    struct TTextFit {
        TSize Client;
        TRect Text;
        TSize Needed;
        int ButtonsTop = 0;
    };
    TTextFit Fit() {
        return OnUi<TTextFit>([] {
            auto* dialog = dynamic_cast<TMessageForm*>(OpenDialog());
            TTextFit fit;
            fit.Client = dialog->ClientRect().Size();
            fit.Text = dialog->Message()->BoundsRect();
            fit.Needed = dialog->Message()->TextSize();
            fit.ButtonsTop = dialog->Button(mbOK)->Top();
            return fit;
        });
    }

    std::vector<int> Results;
};

class InputBoxTest : public DialogTest {
protected:
    void Open(const std::string& prompt = "Name:") {
        Later([this, prompt] { Answers.push_back(InputBox("Records", prompt, "nobody")); });
        ASSERT_TRUE(DialogOpen());
    }
    std::vector<std::string> Answered() {
        return OnUi<std::vector<std::string>>([this] { return Answers; });
    }

    std::vector<std::string> Answers;
};

} // namespace

TEST_F(MessageDialogTest, ShowMessageIsModalWithAnOKButtonAndTheApplicationsTitle) {
    Later([this] {
        ShowMessage("Неправильно!!!");
        Results.push_back(-1); // ShowMessage has returned
    });
    ASSERT_TRUE(DialogOpen());
    EXPECT_EQ(OnUi<std::string>([] { return OpenDialog()->ClassName(); }), "TMessageForm");
    EXPECT_EQ(OnUi<std::string>([] { return OpenDialog()->Caption(); }), "Sudoku");
    EXPECT_EQ(
        OnUi<std::string>([] { return dynamic_cast<TMessageForm*>(OpenDialog())->Message()->Caption(); }),
        "Неправильно!!!");
    EXPECT_EQ(ButtonCaptions(), std::vector<std::string>{"OK"});
    EXPECT_FALSE(OnUi<bool>([this] { return IsWindowEnabled(Main->Handle()) != FALSE; }))
        << "the main form waits";
    EXPECT_TRUE(Answers().empty()) << "ShowMessage has not returned while the box is up";
    ClickOn("OK");
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(Answers(), std::vector<int>{-1});
    EXPECT_TRUE(OnUi<bool>([this] { return IsWindowEnabled(Main->Handle()) != FALSE; }));
    EXPECT_EQ(OnUi<int>([] { return Screen->FormCount(); }), 1) << "the box was freed";
}

TEST_F(MessageDialogTest, MessageDlgReturnsThePressedButton) {
    Open("Save the game?", mtConfirmation, mbYesNoCancel);
    EXPECT_EQ(OnUi<std::string>([] { return OpenDialog()->Caption(); }), "Confirm");
    EXPECT_EQ(ButtonCaptions(), (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
    ClickOn("No");
    Open("Save the game?", mtConfirmation, mbYesNoCancel);
    Driver->PressKey(VK_RETURN); // Yes is the default without an OK
    Open("Save the game?", mtConfirmation, mbYesNoCancel);
    Driver->PressKey(VK_ESCAPE);
    Open("Save the game?", mtConfirmation, mbYesNoCancel);
    Driver->PressKey(VK_TAB); // from Yes to No
    Driver->PressKey(VK_RETURN);
    EXPECT_EQ(Answers(), (std::vector<int>{mrNo, mrYes, mrCancel, mrNo}));
}

TEST_F(MessageDialogTest, TheInformationDialogAnswersOkOnlyByItsOkButton) {
    Open("Начать новую игру?", mtInformation, mbOKCancel);
    EXPECT_EQ(OnUi<std::string>([] { return OpenDialog()->Caption(); }), "Information");
    EXPECT_EQ(ButtonCaptions(), (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_TRUE(OnUi<bool>([] { return dynamic_cast<TMessageForm*>(OpenDialog())->Image() != nullptr; }));
    Driver->PressKey(VK_RETURN);
    Open("Начать новую игру?", mtInformation, mbOKCancel);
    ClickOn("Cancel");
    Open("Начать новую игру?", mtInformation, {mbOK});
    Driver->PressKey(VK_ESCAPE); // with OK alone Esc is still no OK
    Open("Начать новую игру?", mtInformation, {mbOK});
    ClickCloseBox();
    EXPECT_EQ(Answers(), (std::vector<int>{mrOk, mrCancel, mrCancel, mrCancel}));
}

TEST_F(MessageDialogTest, TheDialogIsSizedToItsTextAndWrapsLongText) {
    Open("Short.", mtWarning, {mbOK});
    const TTextFit small = Fit();
    Driver->PressKey(VK_RETURN);
    const std::string line = "A much longer line of text that needs a wider dialog";
    Open(line, mtWarning, {mbOK});
    const TTextFit wide = Fit();
    Driver->PressKey(VK_RETURN);
    EXPECT_GT(wide.Client.cx, small.Client.cx);
    EXPECT_LE(wide.Client.cx - wide.Text.Right, 12) << "no more room right of the text than the margin";
    for (const TTextFit& fit : {small, wide}) {
        EXPECT_GE(fit.Text.Width(), fit.Needed.cx) << "the whole text is shown";
        EXPECT_GE(fit.Text.Height(), fit.Needed.cy);
        EXPECT_LE(fit.Text.Right, fit.Client.cx);
        EXPECT_LT(fit.Text.Bottom, fit.ButtonsTop) << "text and buttons do not overlap";
    }

    std::string paragraph;
    for (int i = 0; i < 12; ++i) paragraph += line + " ";
    Open(paragraph + "\nand one more line", mtWarning, {mbOK});
    const TTextFit wrapped = Fit();
    Driver->PressKey(VK_RETURN);
    const int screenWidth = OnUi<int>([] { return Screen->Width(); });
    EXPECT_LE(wrapped.Text.Width(), screenWidth / 2) << "long text wraps at half the screen";
    EXPECT_GE(wrapped.Text.Height(), 4 * small.Text.Height()) << "into several lines, all shown";
    EXPECT_LT(wrapped.Text.Bottom, wrapped.ButtonsTop);
}

TEST_F(MessageDialogTest, TheDialogIsCentredOverTheActiveFormInsideTheWorkArea) {
    Open("Centred", mtInformation, {mbOK});
    const TRect main = OnUi<TRect>([this] { return Main->BoundsRect(); });
    const TRect dialog = OnUi<TRect>([] { return OpenDialog()->BoundsRect(); });
    EXPECT_LE(std::abs((dialog.Left + dialog.Right) - (main.Left + main.Right)), 1);
    EXPECT_LE(std::abs((dialog.Top + dialog.Bottom) - (main.Top + main.Bottom)), 1);
    Driver->PressKey(VK_RETURN);
    Driver->RunOnUi([this] { Main->SetBounds(-300, -200, 400, 300); });
    Open("Centred", mtInformation, {mbOK});
    const TRect moved = OnUi<TRect>([] { return OpenDialog()->BoundsRect(); });
    EXPECT_EQ(moved.Left, 0) << "kept on the screen";
    EXPECT_EQ(moved.Top, 0);
    Driver->PressKey(VK_RETURN);
}

TEST_F(InputBoxTest, EnterTakesTheTypedTextAndEscTheDefault) {
    Open();
    EXPECT_EQ(
        OnUi<std::string>([] { return dynamic_cast<TEdit*>(OpenDialog()->FindComponent("Edit"))->Text(); }),
        "nobody");
    Driver->Type("Игрок 1"); // the default is selected, so typing replaces it
    Driver->PressKey(VK_RETURN);
    Open();
    Driver->Type("lost");
    Driver->PressKey(VK_ESCAPE);
    Open();
    Driver->Type("lost too");
    ClickCloseBox();
    EXPECT_EQ(Answered(), (std::vector<std::string>{"Игрок 1", "nobody", "nobody"}));
}

TEST_F(InputBoxTest, TheMouseAnswersThroughTheButtons) {
    Open();
    Driver->Type("mouse");
    ClickOn("OK");
    Open();
    Driver->Type("no");
    ClickOn("Cancel");
    EXPECT_EQ(Answered(), (std::vector<std::string>{"mouse", "nobody"}));
}

TEST_F(InputBoxTest, InputQuerySaysWhetherItWasAnsweredAndKeepsTheValueOtherwise) {
    std::vector<std::pair<bool, std::string>> answers;
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        Later([&answers] {
            std::string value = "old";
            const bool ok = InputQuery("Records", "Name:", value);
            answers.emplace_back(ok, value);
        });
        Driver->Type("new");
        Driver->PressKey(key);
    }
    EXPECT_EQ(OnUi<std::size_t>([&] { return answers.size(); }), 2u);
    Driver->RunOnUi([&] {
        EXPECT_EQ(answers[0], (std::pair<bool, std::string>{true, "new"}));
        EXPECT_EQ(answers[1], (std::pair<bool, std::string>{false, "old"}));
    });
}

TEST_F(InputBoxTest, AThreeLinePromptSitsAboveTheEditWhichSpansTheBox) {
    Open("Вы показали результат 0:03:20 (200 сек.)\r\nЭто лучше предыдущего 0:00:00 (0 сек.)\r\nВведите свое "
         "имя:");
    Driver->RunOnUi([] {
        TCustomForm* box = OpenDialog();
        auto* prompt = dynamic_cast<TLabel*>(box->FindComponent("Prompt"));
        auto* edit = dynamic_cast<TEdit*>(box->FindComponent("Edit"));
        auto* ok = dynamic_cast<TButton*>(box->FindComponent("OK"));
        const TSize text = prompt->TextSize();
        EXPECT_GE(prompt->Height(), text.cy);
        EXPECT_GE(prompt->Width(), text.cx);
        EXPECT_GE(text.cy, 3 * prompt->Canvas()->TextHeight("Ag")) << "three lines";
        EXPECT_GE(edit->Top(), prompt->Top() + prompt->Height());
        EXPECT_GE(edit->Width(), text.cx);
        EXPECT_GE(ok->Top(), edit->Top() + edit->Height());
        EXPECT_LE(ok->Top() + ok->Height(), box->ClientHeight());
        EXPECT_TRUE(edit->Focused());
    });
    Driver->PressKey(VK_ESCAPE);
}
