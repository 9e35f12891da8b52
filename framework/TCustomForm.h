// Top-level windows of the framework: border styles, position, key preview, show and hide,
// modal showing with a modal result, closing, release, activation and the active control.
#pragma once

#include "framework/TCustomControl.h"

class TMainMenu;

enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

// A form builds its components in its constructor. OnCreate runs after that, from
// AfterConstruction(), which TApplication::CreateForm and TCustomForm::Create call; code that
// makes a form with plain `new` calls AfterConstruction() itself. OnDestroy runs once, from
// DoDestroy(): ~TCustomForm calls it, but C++ has destroyed a derived form's own members by then,
// so a form class whose OnDestroy uses them calls DoDestroy() first thing in its destructor.
class TCustomForm : public TCustomControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    // Makes a form and runs its OnCreate.
    template <class T, class... Args>
    static T* Create(Args&&... args) {
        T* form = new T(std::forward<Args>(args)...);
        form->AfterConstruction();
        return form;
    }
    // Runs OnCreate once.
    void AfterConstruction();

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState state);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TFormState FormState() const { return FFormState; }

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;

    void Show();
    // Shows the form modally: every other enabled form is disabled and a nested message loop
    // runs until ModalResult is set; the other forms are enabled again before this one hides.
    // Returns the modal result (mrCancel when the application terminates meanwhile).
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult result) { FModalResult = result; }
    // Asks OnCloseQuery, then OnClose decides: hide, free (later, by Release), minimise or
    // nothing. A modal form only gets mrCancel; closing the main form ends the application.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages in the queue now have been handled: safe from the
    // form's own handlers.
    void Release();

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    bool Active() const { return FActive; }
    // Focuses the first control in the tab order.
    void SelectFirst();
    // The window manager's focus moved to control (a child of this form).
    void SetFocusedControl(TWinControl* control);
    void FocusControl(TWinControl* control);

    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu);
    // The menu unit installs how a main menu gives its platform menu; until then forms have none.
    static std::function<HMENU(TMainMenu*)> MenuHandleOf;
    // Puts the menu's platform menu on the window again (after the menu changed), has the
    // platform measure the bar anew and sends CM_MENUCHANGED.
    void MenuChanged();
    // Runs the main menu's item that has the key as its shortcut; false when none has.
    virtual bool IsShortCut(WORD key, TShiftState shift);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    friend class TWinControl;
    friend class TApplication;

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    virtual void DoCreate();
    // Runs OnDestroy (once); errors go to the application's report.
    void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();
    void ControlRemoving(TControl* control);

    void Dispatch(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMShowingChanged(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    virtual void CMRelease(TMessage& message);
    virtual void CMActivate(TMessage& message);
    virtual void CMDeactivate(TMessage& message);
    virtual void WMClose(TMessage& message);
    virtual void WMActivate(TMessage& message);
    void WMSize(TMessage& message) override;
    virtual void WMSysCommand(TMessage& message);
    virtual void WMGetMinMaxInfo(TMessage& message);
    // The menu bar's commands, submenu openings and owner-draw requests go to the main menu.
    virtual void WMCommand(TMessage& message);
    virtual void WMInitMenuPopup(TMessage& message);
    virtual void WMMeasureItem(TMessage& message);
    virtual void WMDrawItem(TMessage& message);

private:
    void PlaceOnFirstShow();
    void ShowWindowForState();
    void CloseModal();
    void UpdateWindowState();
    std::vector<HWND> DisableOtherForms();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
    TFormState FFormState;
    bool FKeyPreview = false;
    bool FActive = false;
    bool FCreated = false;
    bool FDestroyed = false;
    bool FPlaced = false;
    TModalResult FModalResult = mrNone;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr; // the one that last had CM_ENTER
    TMainMenu* FMenu = nullptr;
};
