// The push button over the platform's "Button": default and cancel buttons, a modal result
// for its form, and the default-button look that follows the focus.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/TButtonControl.h"

// Enter clicks the button that is "active": the focused push button, or, while the focus is on
// a control that is not a push button, the Default one; Esc clicks a Cancel button. Every button
// learns of focus changes from CM_FOCUSCHANGED and shows the default-button frame while active.
class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // A click gives the parent form this modal result (mrNone leaves a modal form open).
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Enter would click this button now.
    bool Active() const { return FActive; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CNCommand(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void CMFocusChanged(TMessage& message) override;
    // Makes the button active or not and shows it.
    void SetButtonStyle(bool isDefault);
    // Shows the default-button look as Active says; an owner-drawn button repaints instead.
    virtual void UpdateDefaultLook();

private:
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
};
