// The up-down window class.
#include "platform/controls/UpDown.h"

#include "platform/controls/ControlInstance.h"
#include "platform/controls/ControlParent.h"
#include "platform/controls/PaintClient.h"
#include "platform/controls/UpDownLayout.h"
#include "platform/window/ClassicStyle.h"
#include "platform/window/ScrollCodes.h"

#include <algorithm>

void UpDown::Register() {
    WNDCLASS wc;
    wc.lpszClassName = UPDOWN_CLASS;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &ControlInstance<UpDown>::Procedure;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClass(wc);
}

LRESULT UpDown::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: return PaintClient(FHwnd, reinterpret_cast<HDC>(wParam), [this](HDC dc) { Paint(dc); });
    case WM_PRINTCLIENT:
        if (wParam) Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE:
    case WM_SIZE:
    case WM_STYLECHANGED: InvalidateRect(FHwnd, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnButtonDown(lParam);
    case WM_LBUTTONUP: return OnButtonUp();
    case WM_CAPTURECHANGED: EndPress(); return 0;
    case WM_TIMER: return OnTimer(wParam);
    case UDM_SETRANGE32: return SetRange(static_cast<int>(wParam), static_cast<int>(lParam));
    case UDM_GETRANGE32:
        if (wParam) *reinterpret_cast<int*>(wParam) = FMin;
        if (lParam) *reinterpret_cast<int*>(lParam) = FMax;
        return 0;
    case UDM_SETPOS32: return SetPos(static_cast<int>(lParam));
    case UDM_GETPOS32: return FPos;
    case UDM_SETACCEL:
        if (wParam == 0 || !lParam) return FALSE;
        FIncrement = std::max(1, static_cast<int>(reinterpret_cast<const UDACCEL*>(lParam)->nInc));
        return TRUE;
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

bool UpDown::Horizontal() const {
    return (GetWindowLongPtr(FHwnd, GWL_STYLE) & UDS_HORZ) != 0;
}

TRect UpDown::ArrowRect(int direction) const {
    TRect client;
    GetClientRect(FHwnd, &client);
    return UpDownArrowRect(client, Horizontal(), direction);
}

int UpDown::ArrowAt(TPoint p) const {
    if (ArrowRect(-1).Contains(p)) return -1;
    return ArrowRect(1).Contains(p) ? 1 : 0;
}

void UpDown::Step(int direction) {
    int wanted = FPos + direction * FIncrement;
    if (wanted > FMax) wanted = (GetWindowLongPtr(FHwnd, GWL_STYLE) & UDS_WRAP) ? FMin : FMax;
    if (wanted < FMin) wanted = (GetWindowLongPtr(FHwnd, GWL_STYLE) & UDS_WRAP) ? FMax : FMin;
    if (wanted == FPos) return;
    ControlParent parent(FHwnd);
    NMUPDOWN request;
    request.hdr.code = UDN_DELTAPOS;
    request.iPos = FPos;
    request.iDelta = wanted - FPos;
    if (parent.Notify(request.hdr) || !IsWindow(FHwnd)) return;
    FPos = std::clamp(request.iPos + request.iDelta, FMin, FMax);
    InvalidateRect(FHwnd, nullptr, FALSE);
    parent.Scroll(Horizontal() ? WM_HSCROLL : WM_VSCROLL, SB_THUMBPOSITION, FPos);
}

LRESULT UpDown::OnButtonDown(LPARAM lParam) {
    const int arrow = ArrowAt(LParamToPoint(lParam));
    if (!arrow || !IsWindowEnabled(FHwnd)) return 0;
    FPressed = arrow;
    SetCapture(FHwnd);
    InvalidateRect(FHwnd, nullptr, FALSE);
    Step(arrow);
    if (IsWindow(FHwnd) && FPressed) SetTimer(FHwnd, kRepeatTimer, kFirstDelay);
    return 0;
}

LRESULT UpDown::OnButtonUp() {
    if (!FPressed) return 0;
    EndPress();
    if (GetCapture() == FHwnd) ReleaseCapture();
    if (IsWindow(FHwnd)) ControlParent(FHwnd).Scroll(Horizontal() ? WM_HSCROLL : WM_VSCROLL, SB_ENDSCROLL, FPos);
    return 0;
}

// Steps go on while the held arrow is under the mouse; off it they pause.
LRESULT UpDown::OnTimer(WPARAM id) {
    if (id != kRepeatTimer) return DefWindowProc(FHwnd, WM_TIMER, id, 0);
    if (!FPressed) return 0;
    TPoint p;
    GetCursorPos(&p);
    ScreenToClient(FHwnd, &p);
    if (ArrowAt(p) == FPressed) Step(FPressed);
    if (IsWindow(FHwnd) && FPressed) SetTimer(FHwnd, kRepeatTimer, kRepeatDelay);
    return 0;
}

void UpDown::EndPress() {
    if (!FPressed) return;
    FPressed = 0;
    KillTimer(FHwnd, kRepeatTimer);
    InvalidateRect(FHwnd, nullptr, FALSE);
}

LRESULT UpDown::SetRange(int low, int high) {
    FMin = std::min(low, high);
    FMax = std::max(low, high);
    FPos = std::clamp(FPos, FMin, FMax);
    InvalidateRect(FHwnd, nullptr, FALSE);
    return 0;
}

LRESULT UpDown::SetPos(int pos) {
    const int old = FPos;
    FPos = std::clamp(pos, FMin, FMax);
    InvalidateRect(FHwnd, nullptr, FALSE);
    return old;
}

void UpDown::Paint(HDC dc) {
    const bool enabled = IsWindowEnabled(FHwnd) != FALSE;
    for (int direction : {-1, 1}) {
        TRect r = ArrowRect(direction);
        UINT kind = Horizontal() ? (direction < 0 ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT)
                                 : (direction < 0 ? DFCS_SCROLLDOWN : DFCS_SCROLLUP);
        if (FPressed == direction) kind |= DFCS_PUSHED;
        if (!enabled) kind |= DFCS_INACTIVE;
        ClassicStyle::DrawFrameControl(dc, &r, DFC_SCROLL, kind);
    }
}
