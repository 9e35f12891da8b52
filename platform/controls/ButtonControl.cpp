// The "Button" window class.
#include "platform/controls/ButtonControl.h"

#include "platform/controls/ControlInstance.h"
#include "platform/controls/PaintClient.h"
#include "platform/controls/ParentNotify.h"
#include "platform/window/Win.h"

namespace {
bool IsPushType(DWORD type) {
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX || type == BS_OWNERDRAW;
}
bool IsRadioType(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }
// The highest check state a type keeps: push buttons and group boxes none, three-state boxes two.
UINT MaxCheck(DWORD type) {
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE: return BST_INDETERMINATE;
    default: return BST_UNCHECKED;
    }
}
}

void ButtonControl::Register() {
    WNDCLASS wc;
    wc.lpszClassName = kClassName;
    wc.style = CS_DBLCLKS | CS_PARENTDC;
    wc.lpfnWndProc = &ControlInstance<ButtonControl>::Procedure;
    RegisterClass(wc);
}

LRESULT ButtonControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: return OnPaint();
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1; // WM_PAINT covers every pixel
    case WM_SETFOCUS: return OnSetFocus();
    case WM_KILLFOCUS: return OnKillFocus();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(msg);
    case WM_MOUSEMOVE: return OnMouseMove(lParam);
    case WM_LBUTTONUP: return OnMouseUp(lParam);
    case WM_CAPTURECHANGED: return OnCaptureChanged();
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_KEYUP: return OnKeyUp(wParam);
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_STYLECHANGED: return OnLookChanged(msg, wParam, lParam);
    case WM_SETFONT: return OnSetFont(wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
    case WM_NCHITTEST: return OnHitTest(msg, wParam, lParam);
    case WM_GETDLGCODE: return DialogCode();
    case BM_GETCHECK: return FCheck;
    case BM_SETCHECK: return SetCheck(wParam);
    case BM_GETSTATE: return GetState();
    case BM_SETSTATE: return SetPushed(wParam != 0);
    case BM_SETSTYLE: return SetStyle(wParam, lParam);
    case BM_CLICK: return OnClickMessage();
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

DWORD ButtonControl::Style() const { return static_cast<DWORD>(GetWindowLongPtr(FHwnd, GWL_STYLE)); }
DWORD ButtonControl::Type() const { return Style() & BS_TYPEMASK; }

TButtonLook ButtonControl::Look() const {
    TButtonLook look;
    look.Style = Style();
    look.Text = GetWindowText(FHwnd);
    look.Font = FFont;
    look.Check = FCheck;
    look.Pushed = FPushed;
    look.Focused = FFocused;
    look.Enabled = IsWindowEnabled(FHwnd) != FALSE;
    return look;
}

void ButtonControl::Redraw() { InvalidateRect(FHwnd, nullptr, FALSE); }

LRESULT ButtonControl::OnPaint() {
    return PaintClient(FHwnd, nullptr, [this](HDC dc) { ButtonPainter::Paint(FHwnd, dc, Look()); });
}

LRESULT ButtonControl::OnPrintClient(HDC dc) {
    if (dc) ButtonPainter::Paint(FHwnd, dc, Look());
    return 0;
}

LRESULT ButtonControl::OnSetFocus() {
    FFocused = true;
    Redraw();
    if (Style() & BS_NOTIFY) ParentNotify::Command(FHwnd, BN_SETFOCUS);
    return 0;
}

LRESULT ButtonControl::OnKillFocus() {
    FFocused = false;
    FSpaceDown = false;
    if (FMouseDown && GetCapture() == FHwnd) ReleaseCapture();
    FMouseDown = false;
    FPushed = false;
    Redraw();
    if (Style() & BS_NOTIFY) ParentNotify::Command(FHwnd, BN_KILLFOCUS);
    return 0;
}

LRESULT ButtonControl::OnMouseDown(UINT msg) {
    // As on the desktop, a double click on a plain radio button or a notifying button is reported
    // rather than pressed; owner-drawn buttons keep pressing, since skinned push buttons are
    // owner-drawn and must click like plain ones.
    if (msg == WM_LBUTTONDBLCLK && (Type() == BS_RADIOBUTTON || ((Style() & BS_NOTIFY) && Type() != BS_OWNERDRAW))) {
        ParentNotify::Command(FHwnd, BN_DOUBLECLICKED);
        return 0;
    }
    if (GetFocus() != FHwnd) SetFocus(FHwnd);
    if (!IsWindow(FHwnd)) return 0;
    SetCapture(FHwnd);
    FMouseDown = true;
    SetPushed(true);
    return 0;
}

LRESULT ButtonControl::OnMouseMove(LPARAM lParam) {
    if (!FMouseDown) return 0;
    TRect client;
    GetClientRect(FHwnd, &client);
    bool inside = client.Contains(LParamToPoint(lParam));
    if (inside != FPushed) SetPushed(inside);
    return 0;
}

LRESULT ButtonControl::OnMouseUp(LPARAM lParam) {
    if (!FMouseDown) return 0;
    FMouseDown = false;
    TRect client;
    GetClientRect(FHwnd, &client);
    bool click = FPushed && client.Contains(LParamToPoint(lParam));
    SetPushed(false);
    if (GetCapture() == FHwnd) ReleaseCapture();
    if (click) Click();
    return 0;
}

LRESULT ButtonControl::OnCaptureChanged() {
    // Someone else took the mouse (a modal loop, a menu): the press is over without a click.
    if (FMouseDown) {
        FMouseDown = false;
        SetPushed(false);
    }
    return 0;
}

LRESULT ButtonControl::OnKeyDown(WPARAM key, LPARAM lParam) {
    bool repeat = (static_cast<std::uint32_t>(lParam) & (1u << 30)) != 0;
    if (key == VK_SPACE && !repeat && !FMouseDown && Type() != BS_GROUPBOX) {
        FSpaceDown = true;
        SetPushed(true);
    } else if (key == VK_RETURN && IsPushType(Type())) {
        Click();
    } else if (key != VK_SPACE && FSpaceDown) {
        // Any other key while space is held cancels the press, as on the desktop.
        FSpaceDown = false;
        SetPushed(false);
    }
    return 0;
}

LRESULT ButtonControl::OnKeyUp(WPARAM key) {
    if (key != VK_SPACE || !FSpaceDown) return 0;
    FSpaceDown = false;
    bool click = FPushed;
    SetPushed(false);
    if (click) Click();
    return 0;
}

LRESULT ButtonControl::OnLookChanged(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT r = DefWindowProc(FHwnd, msg, wParam, lParam);
    Redraw();
    return r;
}

LRESULT ButtonControl::OnSetFont(WPARAM font, LPARAM redraw) {
    FFont = reinterpret_cast<HFONT>(font);
    if (redraw) Redraw();
    return 0;
}

LRESULT ButtonControl::OnHitTest(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A group box lets the mouse through to the controls it frames (and to its parent).
    if (Type() == BS_GROUPBOX) return HTTRANSPARENT;
    return DefWindowProc(FHwnd, msg, wParam, lParam);
}

LRESULT ButtonControl::DialogCode() const {
    switch (Type()) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_PUSHBOX: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

LRESULT ButtonControl::GetState() const {
    return FCheck | (FPushed ? BST_PUSHED : 0) | (FFocused ? BST_FOCUS : 0);
}

LRESULT ButtonControl::SetCheck(WPARAM check) {
    DWORD type = Type();
    UINT value = std::min(static_cast<UINT>(check), MaxCheck(type));
    if (IsRadioType(type)) {
        // A checked radio button is the one its group's Tab stop lands on.
        DWORD style = Style();
        DWORD wanted = value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
        if (wanted != style) SetWindowLongPtr(FHwnd, GWL_STYLE, static_cast<LONG_PTR>(wanted));
    }
    if (value != FCheck) {
        FCheck = value;
        Redraw();
    }
    return 0;
}

LRESULT ButtonControl::SetPushed(bool pushed) {
    if (pushed != FPushed) {
        FPushed = pushed;
        Redraw();
    }
    return 0;
}

LRESULT ButtonControl::SetStyle(WPARAM style, LPARAM redraw) {
    DWORD old = Style();
    DWORD now = (old & ~BS_TYPEMASK) | (static_cast<DWORD>(style) & BS_TYPEMASK);
    if (now != old) SetWindowLongPtr(FHwnd, GWL_STYLE, static_cast<LONG_PTR>(now));
    if (redraw) Redraw();
    return 0;
}

LRESULT ButtonControl::OnClickMessage() {
    if (IsWindowEnabled(FHwnd) && Type() != BS_GROUPBOX) Click();
    return 0;
}

void ButtonControl::Click() {
    ToggleAuto();
    ParentNotify::Command(FHwnd, BN_CLICKED);
}

void ButtonControl::ToggleAuto() {
    switch (Type()) {
    case BS_AUTOCHECKBOX: SetCheck(FCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED); break;
    case BS_AUTO3STATE: SetCheck((FCheck + 1) % 3); break;
    case BS_AUTORADIOBUTTON:
        SetCheck(BST_CHECKED);
        UncheckGroupSiblings();
        break;
    default: break;
    }
}

void ButtonControl::UncheckGroupSiblings() {
    // The group runs from the nearest WS_GROUP control at or before this one up to the next.
    HWND first = FHwnd;
    while (!(GetWindowLongPtr(first, GWL_STYLE) & WS_GROUP)) {
        HWND prev = GetWindow(first, GW_HWNDPREV);
        if (!prev) break;
        first = prev;
    }
    for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h != first && (GetWindowLongPtr(h, GWL_STYLE) & WS_GROUP)) break;
        if (h == FHwnd || GetClassName(h) != kClassName) continue;
        if ((GetWindowLongPtr(h, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) SendMessage(h, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}
