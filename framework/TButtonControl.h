// The base of the controls over the platform's "Button" class: push buttons, check boxes and
// radio buttons share the class, word wrap and the clicks-disabled switch.
#pragma once

#include "framework/TWinControl.h"

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);
    std::string ClassName() const override { return "TButtonControl"; }

    // The caption breaks into lines at word boundaries (BS_MULTILINE).
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    // BN_CLICKED and BN_DOUBLECLICKED coming back from the parent.
    virtual void CNCommand(TMessage& message);
    // The caption's mnemonic focuses the button and clicks it, as the mouse would.
    void CMDialogChar(TMessage& message) override;

    // While set, changing the checked state by program raises no OnClick.
    bool ClicksDisabled() const { return FClicksDisabled; }
    void SetClicksDisabled(bool value) { FClicksDisabled = value; }

private:
    bool FWordWrap = false;
    bool FClicksDisabled = false;
};
