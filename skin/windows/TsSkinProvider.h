// The form skinning component: put on a form, it holds the form's binding and stored options,
// registers the form with the skin managers, answers their questions and hands the skin commands
// to its binding; the form keeps its plain frame and title bar.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/TComponent.h"
#include "framework/TControl.h"
#include "skin/data/TacFormSkinner.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

class TCustomForm;

enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };

class TsSkinProvider : public TComponent, public TacFormSkinner {
public:
    // The owner is the form to skin; a provider owned by anything else, or by a form that has a
    // provider already, attaches to nothing.
    explicit TsSkinProvider(TComponent* owner);
    ~TsSkinProvider() override;
    std::string ClassName() const override { return "TsSkinProvider"; }

    TCustomForm* Form() const { return FForm; }
    TsCommonData* SkinData() const { return FSkinData.get(); }
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value) { FCaptionAlignment = value; }
    TsGripMode GripMode() const { return FGripMode; }
    void SetGripMode(TsGripMode value) { FGripMode = value; }
    bool MakeSkinMenu() const { return FMakeSkinMenu; }
    void SetMakeSkinMenu(bool value) { FMakeSkinMenu = value; }
    TsResizeMode ResizeMode() const { return FResizeMode; }
    void SetResizeMode(TsResizeMode value) { FResizeMode = value; }
    bool ShowAppIcon() const { return FShowAppIcon; }
    void SetShowAppIcon(bool value) { FShowAppIcon = value; }
    bool UseGlobalColor() const { return FUseGlobalColor; }
    void SetUseGlobalColor(bool value) { FUseGlobalColor = value; }

    // The binding's manager.
    TsSkinManager* FormSkinManager() const override;
    bool RegionChanged() const { return FRegionChanged; }
    void SetRegionChanged(bool changed) override { FRegionChanged = changed; }
    TCustomForm* SkinnedForm() const override { return FForm; }

private:
    // In front of the form's procedure: the skin questions a provider answers in any state, the
    // other skin commands to the binding, and the platform messages past the binding after the form.
    void FormMessage(TMessage& message, const TWndMethod& next);

    TCustomForm* FForm = nullptr;
    std::unique_ptr<TsCommonData> FSkinData;
    TWndHookHandle FFormHook;
    TAlignment FCaptionAlignment = taLeftJustify;
    TsGripMode FGripMode = gmNone;
    bool FMakeSkinMenu = false;
    TsResizeMode FResizeMode = rmStandard;
    bool FShowAppIcon = true;
    bool FUseGlobalColor = true;
    bool FRegionChanged = true;
};
