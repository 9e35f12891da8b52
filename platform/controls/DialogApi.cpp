// Dialog creation, the modal run and the dialog manager's helpers.
#include "platform/controls/DialogApi.h"
#include "platform/controls/ButtonCodes.h"
#include "platform/controls/DialogKeys.h"
#include "platform/controls/DialogWindow.h"
#include "platform/window/Win.h"

#include <algorithm>

namespace {
const Font* DialogFont(const TDialogTemplate& tmpl) {
    if (tmpl.Font) return Font::Get(*tmpl.Font);
    NONCLIENTMETRICS m;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &m, 0);
    return Font::Get(m.lfMessageFont);
}

// The window rectangle around the template's client size, centred on the owner (or the work
// area) for DS_CENTER, and kept inside the work area.
TRect Placement(HWND dlg, const TDialogTemplate& tmpl, HWND owner) {
    TRect window, client;
    GetWindowRect(dlg, &window);
    GetClientRect(dlg, &client);
    int w = tmpl.Rect.Width() + window.Width() - client.Width();
    int h = tmpl.Rect.Height() + window.Height() - client.Height();
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    TRect r = Bounds(tmpl.Rect.Left, tmpl.Rect.Top, w, h);
    if (tmpl.Style & DS_CENTER) {
        TRect around = work;
        if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
        r = Bounds(around.Left + (around.Width() - w) / 2, around.Top + (around.Height() - h) / 2, w, h);
        r = r.Offset(std::max(0, work.Left - r.Left) - std::max(0, r.Right - work.Right),
                     std::max(0, work.Top - r.Top) - std::max(0, r.Bottom - work.Bottom));
    }
    return r;
}

bool CreateItems(HWND dlg, const TDialogTemplate& tmpl, const Font* font) {
    for (const TDialogItem& item : tmpl.Items) {
        HWND ctl = CreateWindowEx(item.ExStyle, item.ClassName, item.Text, item.Style | WS_CHILD | WS_VISIBLE, item.Rect.Left,
                                  item.Rect.Top, item.Rect.Width(), item.Rect.Height(), dlg,
                                  reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(static_cast<WORD>(item.Id))));
        if (!ctl) {
            if (!(tmpl.Style & DS_NOFAILCREATE)) return false;
            continue;
        }
        SendMessage(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}
}

HWND CreateDialogIndirect(const TDialogTemplate& tmpl, HWND owner, DLGPROC proc, LPARAM initParam) {
    DialogWindow::Register();
    DialogWindow::TCreate create{std::move(proc)};
    DWORD ex = tmpl.ExStyle | ((tmpl.Style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    HWND dlg = CreateWindowEx(ex, WC_DIALOG, tmpl.Caption, tmpl.Style & ~WS_VISIBLE, tmpl.Rect.Left, tmpl.Rect.Top,
                              tmpl.Rect.Width(), tmpl.Rect.Height(), owner, nullptr, &create);
    auto state = DialogWindow::Of(dlg);
    if (!state) return nullptr;
    TRect r = Placement(dlg, tmpl, owner);
    SetWindowPos(dlg, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    const Font* font = DialogFont(tmpl);
    SendMessage(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!CreateItems(dlg, tmpl, font)) {
        DestroyWindow(dlg);
        return nullptr;
    }
    state->FindDefaultButton();
    HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE);
    LRESULT focusFirst = SendMessage(dlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (!IsWindow(dlg)) return nullptr;
    HWND focus = GetFocus();
    state->SetInitialFocus(focusFirst || !IsChild(dlg, focus) ? first : focus);
    if ((tmpl.Style & WS_VISIBLE) && !state->FEnded) ShowWindow(dlg, SW_SHOW);
    return dlg;
}

namespace {
// The modal loop: dialog keys first, WM_ENTERIDLE to the owner whenever the queue runs dry;
// false when WM_QUIT ended it (the quit is posted again for the loop outside).
bool RunModal(HWND dlg, DialogWindow& state, HWND owner, bool idleMessages) {
    MSG msg;
    while (!state.FEnded && IsWindow(dlg)) {
        if (idleMessages && owner && !PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            SendMessage(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dlg));
            if (state.FEnded || !IsWindow(dlg)) break;
        }
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (!IsDialogMessage(dlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
    return true;
}
}

INT_PTR DialogBoxIndirect(const TDialogTemplate& tmpl, HWND owner, DLGPROC proc, LPARAM initParam) {
    HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    TDialogTemplate hidden = tmpl;
    hidden.Style &= ~WS_VISIBLE;
    HWND dlg = CreateDialogIndirect(hidden, root, std::move(proc), initParam);
    auto state = DialogWindow::Of(dlg);
    if (!state) return -1;
    state->FModal = true;
    if (root && IsWindowEnabled(root) && !state->FEnded) {
        EnableWindow(root, FALSE);
        state->FDisabledOwner = root;
    }
    if (!state->FEnded) ShowWindow(dlg, SW_SHOW);
    bool ended = RunModal(dlg, *state, root, !(tmpl.Style & DS_NOIDLEMSG));
    INT_PTR result = ended && state->FEnded ? state->FResult : IDCANCEL;
    if (state->FDisabledOwner) EnableWindow(state->FDisabledOwner, TRUE);
    state->FDisabledOwner = nullptr;
    if (IsWindow(dlg)) DestroyWindow(dlg);
    return result;
}

BOOL EndDialog(HWND dlg, INT_PTR result) {
    auto state = DialogWindow::Of(dlg);
    if (!state) return FALSE;
    state->End(result);
    return TRUE;
}

BOOL IsDialogMessage(HWND dlg, MSG* msg) {
    if (!msg || !IsWindow(dlg) || (msg->hwnd != dlg && !IsChild(dlg, msg->hwnd))) return FALSE;
    auto state = DialogWindow::Of(dlg);
    if (state) state->SyncDefaultButton();
    if (!DialogKeys::Handle(dlg, *msg)) {
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    if (state && IsWindow(dlg)) state->SyncDefaultButton();
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dlg, HWND ctl, BOOL previous) {
    return IsWindow(dlg) ? DialogKeys::NextTabItem(dlg, ctl, previous != FALSE) : nullptr;
}

HWND GetNextDlgGroupItem(HWND dlg, HWND ctl, BOOL previous) {
    return IsWindow(dlg) ? DialogKeys::NextGroupItem(dlg, ctl, previous != FALSE) : nullptr;
}

BOOL SetDlgItemText(HWND dlg, int id, const std::string& text) {
    HWND ctl = GetDlgItem(dlg, id);
    return ctl ? SetWindowText(ctl, text) : FALSE;
}

std::string GetDlgItemText(HWND dlg, int id) {
    HWND ctl = GetDlgItem(dlg, id);
    return ctl ? GetWindowText(ctl) : std::string();
}

BOOL CheckDlgButton(HWND dlg, int id, UINT check) {
    HWND ctl = GetDlgItem(dlg, id);
    if (!ctl) return FALSE;
    SendMessage(ctl, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dlg, int id) {
    HWND ctl = GetDlgItem(dlg, id);
    return ctl ? static_cast<UINT>(SendMessage(ctl, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dlg, int first, int last, int check) {
    if (!IsWindow(dlg)) return FALSE;
    for (int id = first; id <= last; ++id)
        if (HWND ctl = GetDlgItem(dlg, id)) SendMessage(ctl, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

LRESULT SendDlgItemMessage(HWND dlg, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND ctl = GetDlgItem(dlg, id);
    return ctl ? SendMessage(ctl, msg, wParam, lParam) : 0;
}
