// The radio button over the platform's "Button": one checked button among the radio buttons of
// the same parent.
#pragma once

#include "framework/TButtonControl.h"

// Checking a button unchecks its siblings (without their OnClick) and raises its own OnClick;
// unchecking raises nothing. Only the checked button of a group is a tab stop; arrows move the
// focus through the group and check the button they reach, as in dialogs.
class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* owner);
    std::string ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void CNCommand(TMessage& message) override;
    void CMEnter(TMessage& message) override;

private:
    void TurnSiblingsOff();

    bool FChecked = false;
    bool FPressing = false; // the focus arrives by a mouse press, which clicks on release
    TAlignment FAlignment = taRightJustify;
};
