// The skinned check box (training mode, the settings' switches): the framework's check box plus
// its stored skin properties; it draws in the plain look.
#pragma once

#include "framework/TCheckBox.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsCheckBox : public TCheckBox {
public:
    static constexpr int ControlKindCode = 32;

    explicit TsCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TsCheckBox"; }

    TsCommonData* SkinData() const { return FSkinData.get(); }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value) { FDisabledKind = value; }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value) { FShowFocus = value; }

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
    bool FShowFocus = true;
};
