// The check box over the platform's "Button": checked, unchecked or grayed, and OnClick raised
// whenever the state changes, by the user or by program.
#pragma once

#include "framework/TButtonControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A click moves unchecked → checked → unchecked, or through grayed with AllowGrayed. Setting
// Checked or State raises OnClick only when the state really changes.
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // taRightJustify: the caption right of the box (the usual); taLeftJustify: left of it.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void CNCommand(TMessage& message) override;
    // What a click does: the next state.
    virtual void Toggle();

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
};
