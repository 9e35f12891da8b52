// The skinned edit (the block-gap field): the framework's edit whose frame is painted from its
// section and whose colours follow the section's normal and hot colours; disabled, the skin
// paints it whole.
#pragma once

#include "framework/TEdit.h"
#include "skin/controls/TacEditSkin.h"
#include "skin/controls/TsBoundLabel.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TsEdit : public TEdit, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckEdit;

    explicit TsEdit(TComponent* owner);
    std::string ClassName() const override { return "TsEdit"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    // The caption label kept beside the control; inactive unless switched on.
    TsBoundLabel* BoundLabel() const { return FBoundLabel.get(); }
    void SetDisabledKind(TsDisabledKind value);

    // The section over the whole control in its state, the text inside the frame, the disabled look.
    void PrepareCache() override;
    // The frame's width on each side.
    int FrameThickness() const { return FSkin.FrameThickness(); }
    // The text as the skin paints it.
    std::string ShownText() const;

protected:
    // Skin commands and the binding's platform messages go through the binding; frame, client
    // area and background are painted by the skin while skinned.
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    std::unique_ptr<TsCommonData> FSkinData;
    std::unique_ptr<TsBoundLabel> FBoundLabel;
    TacEditSkin FSkin;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
};
