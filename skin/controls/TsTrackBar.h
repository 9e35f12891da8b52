// The skinned track bar (difficulty, hue, saturation): the framework's track bar plus its stored
// skin properties; it draws in the plain look.
#pragma once

#include "framework/TTrackBar.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsTrackBar : public TTrackBar {
public:
    static constexpr int ControlKindCode = 165;

    explicit TsTrackBar(TComponent* owner);
    std::string ClassName() const override { return "TsTrackBar"; }

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
    bool FShowFocus = false;
};
