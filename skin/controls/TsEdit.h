// The skinned edit (the block-gap field): the framework's edit plus its skin binding; it draws
// in the plain look.
#pragma once

#include "framework/TEdit.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsEdit : public TEdit {
public:
    static constexpr int ControlKindCode = 3;

    explicit TsEdit(TComponent* owner);
    std::string ClassName() const override { return "TsEdit"; }

    TsCommonData* SkinData() const { return FSkinData.get(); }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value) { FDisabledKind = value; }

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
};
