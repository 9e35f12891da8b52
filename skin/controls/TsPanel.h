// The skinned panel (the board's container): the framework's panel with its skin binding.
#pragma once

#include "framework/TPanel.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TsPanel : public TPanel {
public:
    static constexpr int ControlKindCode = 51;

    explicit TsPanel(TComponent* owner);
    std::string ClassName() const override { return "TsPanel"; }

    TsCommonData* SkinData() const { return FSkinData.get(); }

private:
    std::unique_ptr<TsCommonData> FSkinData;
};
