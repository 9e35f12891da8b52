// Up-downs: the values live here and are mirrored into the platform control.
#include "framework/TUpDown.h"

#include "platform/controls/UpDownCodes.h"
#include "platform/window/ScrollCodes.h"
#include "platform/window/Win.h"

#include <algorithm>

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    FControlStyle = {csDoubleClicks};
    FWidth = 17;
    FHeight = 25;
}

void TUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.WinClassName = UPDOWN_CLASS;
    if (FOrientation == udHorizontal) params.Style |= UDS_HORZ;
    if (FWrap) params.Style |= UDS_WRAP;
}

void TUpDown::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessage(FHandle, UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
    SendMessage(FHandle, UDM_SETPOS32, 0, FPosition);
    UDACCEL step{0, static_cast<UINT>(FIncrement)};
    SendMessage(FHandle, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
}

void TUpDown::SetRange(int min, int max) {
    max = std::max(min, max);
    FMin = min;
    FMax = max;
    if (FHandle) SendMessage(FHandle, UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
    SetPosition(FPosition);
}

void TUpDown::SetPosition(int value) {
    FPosition = std::clamp(value, FMin, FMax);
    if (FHandle) SendMessage(FHandle, UDM_SETPOS32, 0, FPosition);
}

void TUpDown::SetIncrement(int value) {
    FIncrement = std::max(1, value);
    if (!FHandle) return;
    UDACCEL step{0, static_cast<UINT>(FIncrement)};
    SendMessage(FHandle, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
}

void TUpDown::SetOrientation(TUDOrientation value) {
    if (FOrientation == value) return;
    FOrientation = value;
    RecreateWnd();
}

void TUpDown::SetWrap(bool value) {
    if (FWrap == value) return;
    FWrap = value;
    RecreateWnd();
}

void TUpDown::Dispatch(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        CNScroll(m);
        return;
    }
    if (m.Msg == CN_NOTIFY) {
        const auto* note = reinterpret_cast<const NMUPDOWN*>(m.LParam);
        if (note && note->hdr.code == UDN_DELTAPOS) FLastDelta = note->iDelta;
        m.Result = 0;
        return;
    }
    TWinControl::Dispatch(m);
}

// A step the platform made: the position is taken over, then OnClick hears which way it went.
void TUpDown::CNScroll(TMessage& m) {
    m.Result = 0;
    if (LOWORD(static_cast<WPARAM>(m.WParam)) != SB_THUMBPOSITION || !FHandle) return;
    FPosition = static_cast<int>(SendMessage(FHandle, UDM_GETPOS32, 0, 0));
    Click(FLastDelta > 0 ? btNext : btPrev);
}

void TUpDown::Click(TUDBtnType button) {
    if (OnClick) OnClick(this, button);
}
