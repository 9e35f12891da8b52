// The skinned combo box (the skin list): the framework's combo box plus its skin binding; it
// draws in the plain look.
#pragma once

#include "framework/TComboBox.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsComboBox : public TComboBox {
public:
    static constexpr int ControlKindCode = 11;

    explicit TsComboBox(TComponent* owner);
    std::string ClassName() const override { return "TsComboBox"; }

    TsCommonData* SkinData() const { return FSkinData.get(); }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value) { FDisabledKind = value; }

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
};
