// The skinned panel (the board's container): the framework's panel with its skin binding.
#pragma once

#include "framework/TPanel.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TsPanel : public TPanel, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckPanel;

    explicit TsPanel(TComponent* owner);
    std::string ClassName() const override { return "TsPanel"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }

protected:
    // Skin commands and the binding's platform messages go through the binding.
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    std::unique_ptr<TsCommonData> FSkinData;
};
