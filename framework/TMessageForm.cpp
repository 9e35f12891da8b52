// The message dialog form: its parts and their layout.
#include "framework/TMessageForm.h"

#include "framework/TApplication.h"
#include "framework/TBitmap.h"
#include "framework/TButton.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TMenuItem.h"
#include "framework/TScreen.h"

#include "platform/controls/DialogCodes.h"
#include "platform/controls/MessageBoxIcon.h"
#include "platform/text/TextDraw.h"
#include "platform/window/Win.h"

#include <algorithm>

namespace {

constexpr int kMargin = 12;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;
constexpr int kTextToButtons = 16;

struct TButtonKind {
    const char* Name;
    const char* Caption;
    TModalResult Result;
};

// In TMsgDlgBtn order, which is also the order of the buttons in the row.
constexpr TButtonKind kButtons[] = {
    {"Yes", "&Yes", mrYes},
    {"No", "&No", mrNo},
    {"OK", "OK", mrOk},
    {"Cancel", "Cancel", mrCancel},
    {"Abort", "&Abort", mrAbort},
    {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore},
    {"All", "&All", mrAll},
    {"NoToAll", "N&o to All", mrNoToAll},
    {"YesToAll", "Yes to &All", mrYesToAll},
    {"Help", "&Help", mrNone},
};
constexpr TMsgDlgBtn kLastButton = mbHelp;

UINT IconOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return MB_ICONEXCLAMATION;
    case mtError:
        return MB_ICONHAND;
    case mtInformation:
        return MB_ICONASTERISK;
    case mtConfirmation:
        return MB_ICONQUESTION;
    default:
        return 0;
    }
}

int TextWidth(const Font* font, const std::string& text) {
    DeviceContext dc;
    dc.SelectFont(font);
    TRect r{0, 0, 0, 0};
    DrawText(&dc, text, &r, DT_SINGLELINE | DT_CALCRECT);
    return r.Width();
}

// The client width the title bar needs for the whole caption beside its icon and close box.
int CaptionClientWidth(const std::string& caption) {
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
    return TextWidth(Font::Get(metrics.lfCaptionFont), caption) + GetSystemMetrics(SM_CXSMICON) +
           GetSystemMetrics(SM_CXSIZE) + 16;
}

} // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& text, TMsgDlgType type,
                           TMsgDlgButtons buttons)
    : TForm(owner) {
    NONCLIENTMETRICS metrics;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0);
    Font()->SetName(metrics.lfMessageFont.FaceName);
    Font()->SetHeight(metrics.lfMessageFont.Height);
    SetBorderStyle(bsDialog);
    SetCaption(CaptionOf(type));
    CreateIcon(type);
    CreateMessage(text);
    CreateButtons(buttons.Empty() ? TMsgDlgButtons{mbOK} : buttons);
    Arrange();
}

std::string TMessageForm::CaptionOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirm";
    default:
        return Application ? Application->Title() : std::string();
    }
}

std::string TMessageForm::ButtonCaption(TMsgDlgBtn kind) {
    return kButtons[kind].Caption;
}

TModalResult TMessageForm::ButtonResult(TMsgDlgBtn kind) {
    return kButtons[kind].Result;
}

TButton* TMessageForm::Button(TMsgDlgBtn kind) const {
    for (const auto& [k, button] : FButtons)
        if (k == kind) return button;
    return nullptr;
}

void TMessageForm::CreateIcon(TMsgDlgType type) {
    const UINT icon = IconOf(type);
    if (!icon) return;
    FImage = new TImage(this);
    FImage->SetName("Image");
    FImage->SetParent(this);
    TBitmap* picture = FImage->Picture()->Bitmap();
    picture->SetSize(MessageBoxIcon::kSize, MessageBoxIcon::kSize);
    picture->Canvas()->Brush()->SetColor(Color());
    picture->Canvas()->FillRect({0, 0, MessageBoxIcon::kSize, MessageBoxIcon::kSize});
    MessageBoxIcon::Draw(picture->Canvas()->Handle(), {0, 0, MessageBoxIcon::kSize, MessageBoxIcon::kSize},
                         icon);
    FImage->SetBounds(kMargin, kMargin, MessageBoxIcon::kSize, MessageBoxIcon::kSize);
}

void TMessageForm::CreateMessage(const std::string& text) {
    FMessage = new TLabel(this);
    FMessage->SetName("Message");
    FMessage->SetParent(this);
    FMessage->SetShowAccelChar(false);
    FMessage->SetAutoSize(false);
    FMessage->SetCaption(text);
}

// Default: OK, else Yes, else the first. Cancel (Esc): the Cancel button only; without one the
// form's own Esc gives mrCancel.
void TMessageForm::CreateButtons(TMsgDlgButtons buttons) {
    for (int k = 0; k <= kLastButton; ++k) {
        const auto kind = static_cast<TMsgDlgBtn>(k);
        if (!buttons.Contains(kind)) continue;
        auto* button = new TButton(this);
        button->SetName(kButtons[kind].Name);
        button->SetParent(this);
        button->SetCaption(kButtons[kind].Caption);
        button->SetModalResult(kButtons[kind].Result);
        button->SetCancel(kind == mbCancel);
        FButtons.emplace_back(kind, button);
    }
    TButton* preferred = Button(mbOK)    ? Button(mbOK)
                         : Button(mbYes) ? Button(mbYes)
                                         : FButtons.front().second;
    preferred->SetDefault(true);
    SetActiveControl(preferred);
}

// The text keeps to one line up to half the screen's width and wraps beyond it; the form fits
// the icon and text above a centred row of equal buttons, and its whole caption.
void TMessageForm::Arrange() {
    const int maxTextWidth = std::max(200, (Screen ? Screen->Width() : GetSystemMetrics(SM_CXSCREEN)) / 2);
    FMessage->SetWordWrap(false);
    TSize text = FMessage->TextSize();
    if (text.cx > maxTextWidth) {
        FMessage->SetWordWrap(true);
        FMessage->SetWidth(maxTextWidth);
        text = {maxTextWidth, FMessage->TextSize().cy};
    }
    const int iconSpace = FImage ? MessageBoxIcon::kSize + kIconGap : 0;
    const int body = std::max(text.cy, FImage ? MessageBoxIcon::kSize : 0);
    int buttonWidth = kButtonWidth;
    for (const auto& entry : FButtons)
        buttonWidth =
            std::max(buttonWidth, TextWidth(Font()->Handle(), StripHotkey(entry.second->Caption())) + 16);
    const int count = static_cast<int>(FButtons.size());
    const int row = count * buttonWidth + (count - 1) * kButtonGap;
    const int width =
        std::max({iconSpace + text.cx + 2 * kMargin, row + 2 * kMargin, CaptionClientWidth(Caption())});
    const int height = kMargin + body + kTextToButtons + kButtonHeight + kMargin;
    SetClientWidth(width);
    SetClientHeight(height);
    FMessage->SetBounds(kMargin + iconSpace, kMargin + (body - text.cy) / 2, text.cx, text.cy);
    int x = (width - row) / 2;
    for (const auto& entry : FButtons) {
        entry.second->SetBounds(x, height - kMargin - kButtonHeight, buttonWidth, kButtonHeight);
        x += buttonWidth + kButtonGap;
    }
}
