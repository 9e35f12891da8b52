// The shared part of the button family.
#include "framework/TButtonControl.h"

#include "platform/controls/ButtonCodes.h"
#include "platform/system/Mnemonic.h"
#include "platform/window/Win.h"

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetTabStop(true);
}

void TButtonControl::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    RecreateWnd();
}

void TButtonControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = "Button";
    if (FWordWrap) params.Style |= BS_MULTILINE;
}

void TButtonControl::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        CNCommand(m);
        return;
    }
    TWinControl::Dispatch(m);
}

void TButtonControl::CMDialogChar(TMessage& m) {
    if (!HandleAllocated() || !CanFocus() || !IsMnemonic(GetText(), static_cast<char32_t>(m.WParam))) {
        TWinControl::CMDialogChar(m);
        return;
    }
    SetFocus();
    SendMessage(FHandle, BM_CLICK, 0, 0);
    m.Result = 1;
}

void TButtonControl::CNCommand(TMessage& m) {
    if (HIWORD(m.WParam) == BN_DOUBLECLICKED) DblClick();
}
