// Dialog keyboard navigation.
#include "platform/controls/DialogKeys.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/controls/DialogCodes.h"
#include "platform/controls/StaticCodes.h"
#include "platform/system/Mnemonic.h"
#include "platform/window/Win.h"

#include <vector>

namespace {
std::vector<HWND> Children(HWND dlg) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
}

LRESULT CodeOf(HWND hwnd, const MSG* msg = nullptr) {
    return SendMessage(hwnd, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg));
}

void Command(HWND dlg, int id, HWND from) {
    SendMessage(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(from));
}
}

bool DialogKeys::Usable(HWND ctl) {
    return IsWindowVisible(ctl) && IsWindowEnabled(ctl);
}

HWND DialogKeys::NextTabItem(HWND dlg, HWND ctl, bool previous) {
    std::vector<HWND> kids = Children(dlg);
    int n = static_cast<int>(kids.size());
    if (n == 0) return nullptr;
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (kids[i] == ctl || IsChild(kids[i], ctl)) at = i;
    int step = previous ? -1 : 1;
    int i = at < 0 ? (previous ? n : -1) : at;
    for (int tries = 0; tries < n; ++tries) {
        i = (i + step + n) % n;
        if ((StyleOf(kids[i]) & WS_TABSTOP) && Usable(kids[i])) return kids[i];
    }
    return at >= 0 ? kids[at] : nullptr;
}

HWND DialogKeys::NextGroupItem(HWND dlg, HWND ctl, bool previous) {
    std::vector<HWND> kids = Children(dlg);
    int n = static_cast<int>(kids.size()), at = -1;
    for (int i = 0; i < n; ++i)
        if (kids[i] == ctl) at = i;
    if (at < 0) return nullptr;
    // A group runs from a WS_GROUP control up to the next one.
    int first = at;
    while (first > 0 && !(StyleOf(kids[first]) & WS_GROUP)) --first;
    int last = at;
    while (last + 1 < n && !(StyleOf(kids[last + 1]) & WS_GROUP)) ++last;
    int size = last - first + 1, step = previous ? -1 : 1;
    for (int k = 1; k <= size; ++k) {
        int i = first + ((at - first) + step * k + size * 2) % size;
        if (Usable(kids[i])) return kids[i];
    }
    return ctl;
}

bool DialogKeys::Handle(HWND dlg, const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN: return KeyDown(dlg, msg);
    case WM_SYSCHAR: return Mnemonic(dlg, static_cast<char32_t>(msg.wParam));
    case WM_CHAR:
        if (msg.wParam < 32 || (CodeOf(msg.hwnd, &msg) & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))) return false;
        return Mnemonic(dlg, static_cast<char32_t>(msg.wParam));
    default: return false;
    }
}

bool DialogKeys::KeyDown(HWND dlg, const MSG& msg) {
    LRESULT code = CodeOf(msg.hwnd, &msg);
    if (code & DLGC_WANTALLKEYS) return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) return false;
        SendMessage(dlg, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS) return false;
        return Arrow(dlg, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
    case VK_RETURN: Enter(dlg); return true;
    case VK_ESCAPE: Command(dlg, IDCANCEL, GetDlgItem(dlg, IDCANCEL)); return true;
    default: return false;
    }
}

bool DialogKeys::Arrow(HWND dlg, bool previous) {
    HWND from = GetFocus();
    if (!IsChild(dlg, from)) return false;
    HWND next = NextGroupItem(dlg, from, previous);
    if (!next || next == from) return true;
    if (CodeOf(next) & DLGC_RADIOBUTTON) {
        SetFocus(next);
        bool autoRadio = (StyleOf(next) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        if (autoRadio && SendMessage(next, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessage(next, BM_CLICK, 0, 0);
    } else {
        SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    }
    return true;
}

void DialogKeys::Enter(HWND dlg) {
    HWND focus = GetFocus();
    if (IsChild(dlg, focus) && (CodeOf(focus) & DLGC_DEFPUSHBUTTON)) {
        Command(dlg, GetDlgCtrlID(focus), focus);
        return;
    }
    LRESULT def = SendMessage(dlg, DM_GETDEFID, 0, 0);
    int id = HIWORD(static_cast<std::uintptr_t>(def)) == DC_HASDEFID ? LOWORD(static_cast<std::uintptr_t>(def)) : IDOK;
    HWND button = GetDlgItem(dlg, id);
    if (button && !IsWindowEnabled(button)) return;
    Command(dlg, id, button);
}

bool DialogKeys::Mnemonic(HWND dlg, char32_t c) {
    for (HWND ctl : Children(dlg)) {
        if (!Usable(ctl)) continue;
        LRESULT code = CodeOf(ctl);
        if (GetClassName(ctl) == "Static" && (StyleOf(ctl) & SS_NOPREFIX)) continue;
        if (!IsMnemonic(GetWindowText(ctl), c)) continue;
        if (code & DLGC_STATIC) {
            // A label's letter moves to the control that follows it.
            SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(NextTabItem(dlg, ctl, false)), TRUE);
        } else if (code & DLGC_BUTTON) {
            SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ctl), TRUE);
            SendMessage(ctl, BM_CLICK, 0, 0);
        } else {
            SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ctl), TRUE);
        }
        return true;
    }
    return false;
}
