// The input box's parts, their layout and its modal run.
#include "framework/TInputQuery.h"

#include "framework/Dialogs.h"
#include "framework/TButton.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TLabel.h"
#include "framework/TScreen.h"

#include "platform/window/Win.h"

#include <algorithm>

namespace {
constexpr int kMargin = 12;
constexpr int kMinEditWidth = 240;
constexpr int kPromptToEdit = 6;
constexpr int kEditHeight = 21;
constexpr int kEditToButtons = 14;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;

template <class T> T* Part(TForm* form, const std::string& name) {
    auto* part = new T(form);
    part->SetName(name);
    part->SetParent(form);
    return part;
}
} // namespace

TInputQuery::TInputQuery(const std::string& caption, const std::string& prompt, const std::string& value)
    : FForm(new TForm(nullptr)) {
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
    FForm->Font()->SetName(metrics.lfMessageFont.FaceName);
    FForm->Font()->SetHeight(metrics.lfMessageFont.Height);
    FForm->SetBorderStyle(bsDialog);
    FForm->SetCaption(caption);
    FPrompt = Part<TLabel>(FForm, "Prompt");
    FPrompt->SetShowAccelChar(false);
    FPrompt->SetCaption(prompt);
    FEdit = Part<TEdit>(FForm, "Edit");
    FEdit->SetMaxLength(kMaxLength);
    FEdit->SetText(value);
    FOk = Part<TButton>(FForm, "OK");
    FOk->SetCaption("OK");
    FOk->SetModalResult(mrOk);
    FOk->SetDefault(true);
    FCancel = Part<TButton>(FForm, "Cancel");
    FCancel->SetCaption("Cancel");
    FCancel->SetModalResult(mrCancel);
    FCancel->SetCancel(true);
    FForm->SetActiveControl(FEdit);
    Arrange();
}

TInputQuery::~TInputQuery() {
    delete FForm;
}

bool TInputQuery::Execute() {
    PlaceDialog(FForm);
    return FForm->ShowModal() == mrOk;
}

std::string TInputQuery::Value() const {
    return FEdit->Text();
}

// The prompt keeps its lines up to half the screen's width and wraps beyond it; the edit spans
// the form, with OK and Cancel centred below.
void TInputQuery::Arrange() {
    const int maxWidth =
        std::max(kMinEditWidth, (Screen ? Screen->Width() : GetSystemMetrics(SM_CXSCREEN)) / 2);
    TSize prompt = FPrompt->TextSize();
    if (prompt.cx > maxWidth) {
        FPrompt->SetAutoSize(false);
        FPrompt->SetWordWrap(true);
        FPrompt->SetWidth(maxWidth);
        prompt = {maxWidth, FPrompt->TextSize().cy};
    }
    const int inner = std::max(prompt.cx, kMinEditWidth);
    const int width = inner + 2 * kMargin;
    FPrompt->SetBounds(kMargin, kMargin, prompt.cx, prompt.cy);
    const int editTop = kMargin + prompt.cy + kPromptToEdit;
    FEdit->SetBounds(kMargin, editTop, inner, kEditHeight);
    const int buttonTop = editTop + kEditHeight + kEditToButtons;
    const int left = (width - (2 * kButtonWidth + kButtonGap)) / 2;
    FOk->SetBounds(left, buttonTop, kButtonWidth, kButtonHeight);
    FCancel->SetBounds(left + kButtonWidth + kButtonGap, buttonTop, kButtonWidth, kButtonHeight);
    FForm->SetClientWidth(width);
    FForm->SetClientHeight(buttonTop + kButtonHeight + kMargin);
}
