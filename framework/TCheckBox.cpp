// Check boxes: the three states and the click that moves between them.
#include "framework/TCheckBox.h"

#include "platform/controls/ButtonCodes.h"
#include "platform/window/Win.h"

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    FWidth = 97;
    FHeight = 17;
}

// The platform box is not automatic: the state is ours, so that a click and a program change
// take the same path and raise the same OnClick.
void TCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= BS_3STATE;
    if (FAlignment == taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCheckBox::SetState(TCheckBoxState state) {
    if (FState == state) return;
    FState = state;
    if (FHandle) SendMessage(FHandle, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    if (!ClicksDisabled()) Click();
}

void TCheckBox::SetAlignment(TAlignment value) {
    if (value == taCenter || FAlignment == value) return;
    FAlignment = value;
    RecreateWnd();
}

void TCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TCheckBox::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == BN_CLICKED) {
        Toggle();
        return;
    }
    TButtonControl::CNCommand(m);
}
