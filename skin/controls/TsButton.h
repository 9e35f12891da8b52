// The skinned push button of the dialogs: the framework's push button plus its stored skin
// properties; it draws in the plain look.
#pragma once

#include "framework/TButton.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsButton : public TButton {
public:
    static constexpr int ControlKindCode = 93;

    explicit TsButton(TComponent* owner);
    std::string ClassName() const override { return "TsButton"; }

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
