// Radio buttons: one checked per parent.
#include "framework/TRadioButton.h"

#include "platform/controls/ButtonCodes.h"
#include "platform/window/Win.h"

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    FWidth = 113;
    FHeight = 17;
    SetTabStop(false);
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= BS_RADIOBUTTON;
    if (FAlignment == taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessage(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool value) {
    if (FChecked == value) return;
    FChecked = value;
    SetTabStop(value);
    if (FHandle) SendMessage(FHandle, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!value) return;
    TurnSiblingsOff();
    if (!ClicksDisabled()) Click();
}

void TRadioButton::TurnSiblingsOff() {
    if (!FParent) return;
    for (int i = 0; i < FParent->ControlCount(); ++i)
        if (auto* sibling = dynamic_cast<TRadioButton*>(FParent->Controls(i)); sibling && sibling != this) {
            sibling->SetClicksDisabled(true);
            sibling->SetChecked(false);
            sibling->SetClicksDisabled(false);
        }
}

void TRadioButton::SetAlignment(TAlignment value) {
    if (value == taCenter || FAlignment == value) return;
    FAlignment = value;
    RecreateWnd();
}

void TRadioButton::Dispatch(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
        std::weak_ptr<int> alive = AliveToken();
        FPressing = true;
        TButtonControl::Dispatch(m);
        if (!alive.expired()) FPressing = false;
        return;
    }
    TButtonControl::Dispatch(m);
}

void TRadioButton::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == BN_CLICKED) {
        SetChecked(true);
        return;
    }
    TButtonControl::CNCommand(m);
}

void TRadioButton::CMEnter(TMessage& m) {
    TButtonControl::CMEnter(m);
    if (!FPressing) SetChecked(true);
}
