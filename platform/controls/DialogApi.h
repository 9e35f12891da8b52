// Dialogs: creating them from templates, running them modally, and the dialog manager's helpers
// (keyboard navigation, items by id). UI-thread only.
#pragma once

#include "platform/controls/DialogTemplate.h"

#include <string>

// The class of dialog windows.
constexpr const char* WC_DIALOG = "#32770";

// Creates the dialog hidden, its controls, sends WM_SETFONT to each and WM_INITDIALOG (lParam =
// initParam), then shows it when the template's style has WS_VISIBLE. nullptr on failure.
HWND CreateDialogIndirect(const TDialogTemplate& tmpl, HWND owner, DLGPROC proc, LPARAM initParam = 0);
// Runs the dialog modally: its owner's top-level window is disabled while it runs (and told
// WM_ENTERIDLE with MSGF_DIALOGBOX whenever the dialog waits, unless DS_NOIDLEMSG), enabled again
// before the dialog is destroyed; returns EndDialog's result (-1 when it could not be created,
// IDCANCEL when the program quits underneath it).
INT_PTR DialogBoxIndirect(const TDialogTemplate& tmpl, HWND owner, DLGPROC proc, LPARAM initParam = 0);
// Ends a modal dialog with a result (modeless dialogs are destroyed).
BOOL EndDialog(HWND dlg, INT_PTR result);
// Handles the dialog keys for a message meant for the dialog or its controls (Tab, Shift+Tab,
// arrows in groups, Enter, Esc, mnemonics) and dispatches it otherwise; FALSE when the message is
// not for this dialog.
BOOL IsDialogMessage(HWND dlg, MSG* msg);
// The next (or previous) WS_TABSTOP control, wrapping; the next control in ctl's WS_GROUP group.
HWND GetNextDlgTabItem(HWND dlg, HWND ctl, BOOL previous);
HWND GetNextDlgGroupItem(HWND dlg, HWND ctl, BOOL previous);

BOOL SetDlgItemText(HWND dlg, int id, const std::string& text);
std::string GetDlgItemText(HWND dlg, int id);
BOOL CheckDlgButton(HWND dlg, int id, UINT check);
UINT IsDlgButtonChecked(HWND dlg, int id);
// Checks one radio button of the range first..last and clears the others.
BOOL CheckRadioButton(HWND dlg, int first, int last, int check);
LRESULT SendDlgItemMessage(HWND dlg, int id, UINT msg, WPARAM wParam, LPARAM lParam);
