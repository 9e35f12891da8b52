// The skinned memo (the records table): the framework's memo whose text area takes the section's
// colours and whose frame is painted from its section; its scroll bars stay plain.
#pragma once

#include "framework/TMemo.h"
#include "skin/controls/TacEditSkin.h"
#include "skin/controls/TsBoundLabel.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TsMemo : public TMemo, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckMemo;

    explicit TsMemo(TComponent* owner);
    std::string ClassName() const override { return "TsMemo"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    // The caption label kept beside the control; inactive unless switched on.
    TsBoundLabel* BoundLabel() const { return FBoundLabel.get(); }
    void SetDisabledKind(TsDisabledKind value);
    // The frame is always the section's normal state.
    int SkinState() const override { return 0; }
    int FrameThickness() const { return FSkin.FrameThickness(); }

protected:
    // Skin commands and the binding's platform messages go through the binding; the frame and
    // the disabled look are the skin's while skinned.
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    std::unique_ptr<TsCommonData> FSkinData;
    std::unique_ptr<TsBoundLabel> FBoundLabel;
    TacEditSkin FSkin;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
};
