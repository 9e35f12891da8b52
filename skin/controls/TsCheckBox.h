// The skinned check box (training mode, the settings' switches): the framework's check box plus
// its skin binding; it draws in the plain look.
#pragma once

#include "framework/TCheckBox.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TsCheckBox : public TCheckBox, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckCheckBox;

    explicit TsCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TsCheckBox"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value) { FDisabledKind = value; }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value) { FShowFocus = value; }

protected:
    // Skin commands and the binding's platform messages go through the binding.
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
    bool FShowFocus = true;
};
