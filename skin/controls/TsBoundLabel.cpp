// Making the bound label and keeping it in its place.
#include "skin/controls/TsBoundLabel.h"

#include "skin/controls/TsEditLabel.h"

#include "framework/Messages.h"
#include "framework/TFont.h"
#include "framework/TWinControl.h"

#include <algorithm>
#include <utility>

TsBoundLabel::TsBoundLabel(TWinControl* edit) : FEdit(edit), FFont(std::make_unique<TFont>()) {
    FFont->OnChange = [this](TObject*) { Apply(); };
}

TsBoundLabel::~TsBoundLabel() {
    SetActive(false);
}

void TsBoundLabel::SetActive(bool value) {
    if (value == Active()) return;
    if (!value) {
        delete std::exchange(FLabel, nullptr);
        return;
    }
    FLabel = new TsEditLabel(FEdit);
    Apply();
}

void TsBoundLabel::SetCaption(const std::string& caption) {
    FCaption = caption;
    Apply();
}

void TsBoundLabel::SetIndent(int value) {
    FIndent = value;
    Place();
}

void TsBoundLabel::SetLayout(TsCaptionLayout value) {
    FLayout = value;
    Place();
}

void TsBoundLabel::SetMaxWidth(int value) {
    FMaxWidth = value;
    Place();
}

void TsBoundLabel::SetUseSkinColor(bool value) {
    FUseSkinColor = value;
    Apply();
}

void TsBoundLabel::Follow(const TMessage& message) {
    switch (message.Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED: Place(); break;
    default: break;
    }
}

void TsBoundLabel::Apply() {
    if (!FLabel) return;
    FLabel->SetFont(FFont.get());
    FLabel->SetUseSkinColor(FUseSkinColor);
    FLabel->SetCaption(FCaption);
    Place();
}

void TsBoundLabel::Place() {
    if (!FLabel) return;
    if (FLabel->Parent() != FEdit->Parent()) FLabel->SetParent(FEdit->Parent());
    FLabel->SetVisible(FEdit->Visible());
    FLabel->SetEnabled(FEdit->Enabled());
    const bool fixedWidth = FMaxWidth > 0;
    FLabel->SetAutoSize(!fixedWidth);
    FLabel->SetWordWrap(fixedWidth);
    if (fixedWidth) FLabel->SetWidth(FMaxWidth);
    const int width = FLabel->Width();
    const int height = fixedWidth ? std::max(FLabel->TextSize().cy, FEdit->Height()) : FLabel->Height();
    const TRect edit = FEdit->BoundsRect();
    TPoint at{edit.Left, edit.Top - height - FIndent};
    switch (FLayout) {
    case sclLeft: at = {edit.Left - FIndent - 4 - width, edit.Top + (edit.Height() - height) / 2}; break;
    case sclTopLeft: break;
    case sclTopCenter: at.X = edit.Left + (edit.Width() - width) / 2; break;
    case sclTopRight: at.X = edit.Right - width; break;
    }
    FLabel->SetBounds(at.X, at.Y, width, height);
}
