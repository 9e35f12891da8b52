// The skinned speed button (the board's cells and the chooser's mark buttons): the framework's
// speed button with its skin binding.
#pragma once

#include "framework/TSpeedButton.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TsSpeedButton : public TSpeedButton, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckSpeedButton;

    explicit TsSpeedButton(TComponent* owner);
    std::string ClassName() const override { return "TsSpeedButton"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value) { FDisabledKind = value; }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }

protected:
    // Skin commands and the binding's platform messages go through the binding.
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
};
