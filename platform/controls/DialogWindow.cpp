// The "#32770" dialog window.
#include "platform/controls/DialogWindow.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/controls/ControlInstance.h"
#include "platform/controls/DialogApi.h"
#include "platform/controls/EditCodes.h"
#include "platform/window/Win.h"

namespace {

// Messages whose dialog-procedure result is the answer itself rather than a handled flag.
bool ReturnsDirectly(UINT msg) {
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_INITDIALOG || msg == 0x0039 /* WM_COMPAREITEM */ ||
           msg == 0x002E /* WM_VKEYTOITEM */ || msg == 0x002F /* WM_CHARTOITEM */ || msg == 0x0037 /* WM_QUERYDRAGICON */;
}

bool IsPushButton(HWND hwnd) {
    return (SendMessage(hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}
}

void DialogWindow::Register() {
    WNDCLASS wc;
    wc.lpszClassName = kClassName;
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.hbrBackground = clBtnFace;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpfnWndProc = ControlInstance<DialogWindow>::Procedure;
    RegisterClass(wc);
}

std::shared_ptr<DialogWindow> DialogWindow::Of(HWND hwnd) {
    return GetClassName(hwnd) == kClassName ? ControlInstance<DialogWindow>::Find(hwnd) : nullptr;
}

LRESULT DialogWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) OnNcCreate(lParam);
    bool handled = false;
    LRESULT result = CallProc(msg, wParam, lParam, handled);
    // WM_INITDIALOG's answer belongs to the procedure: FALSE means it placed the focus itself.
    if (handled || (msg == WM_INITDIALOG && FProc)) return result;
    switch (msg) {
    case WM_CLOSE: return OnClose();
    case DM_GETDEFID: return OnGetDefId();
    case DM_SETDEFID: return OnSetDefId(wParam);
    case WM_NEXTDLGCTL: return OnNextDlgCtl(wParam, lParam);
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_ACTIVATE: return OnActivate(wParam);
    case WM_INITDIALOG: return TRUE;
    default: return DefWindowProc(FHwnd, msg, wParam, lParam);
    }
}

LRESULT DialogWindow::CallProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (!FProc) return 0;
    // Keep the procedure alive even if the dialog is destroyed inside it.
    DLGPROC proc = FProc;
    INT_PTR r = proc(FHwnd, msg, wParam, lParam);
    handled = r != 0;
    return ReturnsDirectly(msg) ? r : 0;
}

LRESULT DialogWindow::OnNcCreate(LPARAM lParam) {
    const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
    if (cs && cs->lpCreateParams) FProc = static_cast<const TCreate*>(cs->lpCreateParams)->Proc;
    return TRUE;
}

LRESULT DialogWindow::OnClose() {
    HWND cancel = GetDlgItem(FHwnd, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) return 0;
    PostMessage(FHwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    return 0;
}

LRESULT DialogWindow::OnGetDefId() const {
    return FDefId ? MAKELRESULT(FDefId, DC_HASDEFID) : 0;
}

LRESULT DialogWindow::OnSetDefId(WPARAM id) {
    FDefId = static_cast<int>(id);
    FDefaultLook = FDefaultLook && IsWindow(FDefaultLook) ? FDefaultLook : nullptr;
    HWND focus = GetFocus();
    if (!(IsChild(FHwnd, focus) && IsPushButton(focus))) {
        HWND next = GetDlgItem(FHwnd, FDefId);
        if (FDefaultLook != next) SetLook(FDefaultLook, false);
        if (next && IsPushButton(next)) SetLook(next, true);
    }
    return TRUE;
}

void DialogWindow::FindDefaultButton() {
    for (HWND c = GetWindow(FHwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (SendMessage(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
            FDefId = GetDlgCtrlID(c);
            FDefaultLook = c;
            return;
        }
    }
}

void DialogWindow::SetLook(HWND button, bool isDefault) {
    if (!button || !IsWindow(button)) return;
    SendMessage(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    if (isDefault) FDefaultLook = button;
    else if (FDefaultLook == button) FDefaultLook = nullptr;
}

void DialogWindow::SyncDefaultButton() {
    HWND focus = GetFocus();
    if (!IsChild(FHwnd, focus)) return;
    FLastFocus = focus;
    HWND wanted = IsPushButton(focus) ? focus : GetDlgItem(FHwnd, FDefId);
    if (wanted && !IsPushButton(wanted)) wanted = nullptr;
    if (wanted == FDefaultLook) return;
    SetLook(FDefaultLook, false);
    SetLook(wanted, true);
}

LRESULT DialogWindow::OnNextDlgCtl(WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(static_cast<std::uintptr_t>(lParam)) ? reinterpret_cast<HWND>(wParam)
                                                              : GetNextDlgTabItem(FHwnd, GetFocus(), wParam != 0);
    if (!target || !IsChild(FHwnd, target)) return 0;
    SetFocus(target);
    if (SendMessage(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessage(target, EM_SETSEL, 0, -1);
    SyncDefaultButton();
    return 0;
}

void DialogWindow::SaveFocus() {
    HWND focus = GetFocus();
    if (IsChild(FHwnd, focus)) FLastFocus = focus;
}

void DialogWindow::RestoreFocus() {
    HWND target = FLastFocus;
    if (!IsChild(FHwnd, target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(FHwnd, nullptr, FALSE);
    if (target) SetFocus(target);
    SyncDefaultButton();
}

LRESULT DialogWindow::OnActivate(WPARAM wParam) {
    // The dialog keeps its own focus: deactivation remembers it, activation gives it back.
    if (LOWORD(wParam) == WA_INACTIVE) SaveFocus();
    else if (!HIWORD(wParam)) RestoreFocus();
    return 0;
}

void DialogWindow::End(INT_PTR result) {
    FEnded = true;
    FResult = result;
    // The owner is enabled before the dialog goes, so that activation can return to it.
    if (FDisabledOwner) {
        EnableWindow(FDisabledOwner, TRUE);
        FDisabledOwner = nullptr;
    }
    ShowWindow(FHwnd, SW_HIDE);
    PostMessage(nullptr, WM_NULL, 0, 0);
}
