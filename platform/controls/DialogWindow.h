// The dialog window class "#32770": calls the dialog procedure first and does what the desktop's
// dialog manager does with what it leaves: the default button (DM_GETDEFID / DM_SETDEFID, and
// the default look following the focus), WM_NEXTDLGCTL, keeping the focus across deactivation,
// and Close as Cancel. It also carries the state of a modal run (ended, result, owner).
#pragma once

#include "platform/controls/DialogTemplate.h"

#include <memory>

class DialogWindow {
public:
    static constexpr const char* kClassName = "#32770";
    static void Register();
    // The state of a dialog window; nullptr for any other window.
    static std::shared_ptr<DialogWindow> Of(HWND hwnd);

    // What CREATESTRUCT::lpCreateParams carries for a new dialog.
    struct TCreate {
        DLGPROC Proc;
    };

    explicit DialogWindow(HWND hwnd) : FHwnd(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    // After WM_INITDIALOG: the control that gets the focus when the dialog is activated.
    void SetInitialFocus(HWND ctl) { FLastFocus = ctl; }
    // The default id from the first BS_DEFPUSHBUTTON when no DM_SETDEFID was sent.
    void FindDefaultButton();
    // Gives the focused push button the default look, or the default button when the focus is
    // elsewhere; called whenever the focus may have moved.
    void SyncDefaultButton();
    void End(INT_PTR result);

    bool FModal = false;
    bool FEnded = false;
    INT_PTR FResult = 0;
    HWND FDisabledOwner = nullptr; // re-enabled when a modal run ends

private:
    LRESULT CallProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnNcCreate(LPARAM lParam);
    LRESULT OnClose();
    LRESULT OnGetDefId() const;
    LRESULT OnSetDefId(WPARAM id);
    LRESULT OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivate(WPARAM wParam);
    void SaveFocus();
    void RestoreFocus();
    void SetLook(HWND button, bool isDefault);

    HWND FHwnd;
    DLGPROC FProc;
    int FDefId = 0;
    HWND FLastFocus = nullptr;
    HWND FDefaultLook = nullptr; // the push button drawn as the default now
};
