// The skinned speed button (the board's cells and the chooser's mark buttons): the framework's
// speed button with the skin properties the windows set.
#pragma once

#include "framework/TSpeedButton.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsSpeedButton : public TSpeedButton {
public:
    static constexpr int ControlKindCode = 92;

    explicit TsSpeedButton(TComponent* owner);
    std::string ClassName() const override { return "TsSpeedButton"; }

    TsCommonData* SkinData() const { return FSkinData.get(); }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value) { FDisabledKind = value; }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
};
