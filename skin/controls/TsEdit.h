// The skinned edit (the block-gap field): the framework's edit plus its skin binding; it draws
// in the plain look.
#pragma once

#include "framework/TEdit.h"
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
    void SetDisabledKind(TsDisabledKind value) { FDisabledKind = value; }

protected:
    // Skin commands and the binding's platform messages go through the binding.
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    std::unique_ptr<TsCommonData> FSkinData;
    std::unique_ptr<TsBoundLabel> FBoundLabel;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
};
