// The skinned page control (the chooser's two pages): the framework's page control plus its
// skin binding; it draws in the plain look.
#pragma once

#include "framework/TPageControl.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TsPageControl : public TPageControl, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckPageControl;

    explicit TsPageControl(TComponent* owner);
    std::string ClassName() const override { return "TsPageControl"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }

protected:
    // Skin commands and the binding's platform messages go through the binding.
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
};
