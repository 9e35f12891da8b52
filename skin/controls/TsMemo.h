// The skinned memo (the records list): the framework's memo plus its skin binding; it draws in
// the plain look.
#pragma once

#include "framework/TMemo.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsMemo : public TMemo {
public:
    static constexpr int ControlKindCode = 7;

    explicit TsMemo(TComponent* owner);
    std::string ClassName() const override { return "TsMemo"; }

    TsCommonData* SkinData() const { return FSkinData.get(); }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value) { FDisabledKind = value; }

private:
    std::unique_ptr<TsCommonData> FSkinData;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
};
