// The skinned page control (the chooser's two pages): the framework's page control plus its
// stored skin properties; it draws in the plain look.
#pragma once

#include "framework/TPageControl.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsPageControl : public TPageControl {
public:
    static constexpr int ControlKindCode = 141;

    explicit TsPageControl(TComponent* owner);
    std::string ClassName() const override { return "TsPageControl"; }

    TsCommonData* SkinData() const { return FSkinData.get(); }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
};
