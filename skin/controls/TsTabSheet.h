// A page of the skinned page control: the framework's tab sheet with its skin binding.
#pragma once

#include "framework/TTabSheet.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TsPageControl;

class TsTabSheet : public TTabSheet, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckTabSheet;

    explicit TsTabSheet(TComponent* owner);
    std::string ClassName() const override { return "TsTabSheet"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    // The section of this sheet's tab, overriding the page control's default.
    const std::string& TabSkin() const { return FTabSkin; }
    void SetTabSkin(const std::string& section) { FTabSkin = section; }
    const std::string& ButtonSkin() const { return FButtonSkin; }
    void SetButtonSkin(const std::string& section) { FButtonSkin = section; }
    bool UseCloseBtn() const { return FUseCloseBtn; }
    void SetUseCloseBtn(bool value) { FUseCloseBtn = value; }

protected:
    // Skin commands and the binding's platform messages go through the binding.
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    // The page control it belongs to while that one is skinned, else nullptr.
    TsPageControl* SkinnedPageControl() const;
    bool PaintsFromPageControl(TMessage& message);
    void Paint(TMessage& message);
    void PaintActiveTabEdge(HDC dc, TsPageControl& control);

    std::unique_ptr<TsCommonData> FSkinData;
    std::string FTabSkin;
    std::string FButtonSkin;
    bool FUseCloseBtn = true;
};
