// Push buttons: clicks, modal results, default and cancel keys.
#include "framework/TButton.h"

#include "framework/TCustomForm.h"

#include "platform/controls/ButtonCodes.h"
#include "platform/window/Win.h"

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    FWidth = 75;
    FHeight = 25;
    FColor = clBtnFace;
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

// The form tells every control again which one has the focus, so that the default look moves
// to this button (or away from it) at once.
void TButton::SetDefault(bool value) {
    if (FDefault == value) return;
    FDefault = value;
    TCustomForm* form = GetParentForm();
    if (form && form->HandleAllocated())
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    else
        SetButtonStyle(value);
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm()) form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TButtonControl::CNCommand(m);
}

void TButton::CMDialogKey(TMessage& m) {
    const bool enter = m.WParam == VK_RETURN && FActive;
    const bool escape = m.WParam == VK_ESCAPE && FCancel;
    if ((enter || escape) && KeyDataToShiftState(m.LParam).Empty() && CanFocus()) {
        m.Result = 1;
        Click();
        return;
    }
    TButtonControl::CMDialogKey(m);
}

void TButton::CMFocusChanged(TMessage& m) {
    auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
    SetButtonStyle(dynamic_cast<TButton*>(focused) ? focused == this : FDefault);
    TButtonControl::CMFocusChanged(m);
}

void TButton::SetButtonStyle(bool isDefault) {
    if (FActive == isDefault) return;
    FActive = isDefault;
    UpdateDefaultLook();
}

void TButton::UpdateDefaultLook() {
    if (FHandle) SendMessage(FHandle, BM_SETSTYLE, FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}
