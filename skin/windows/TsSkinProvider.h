// The form skinning component: put on a form, it holds the form's skin binding and stored
// options; the form keeps its plain frame and title bar.
#pragma once

#include "framework/ControlTypes.h"
#include "framework/TComponent.h"
#include "skin/controls/TsCommonData.h"

#include <memory>

class TCustomForm;

enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };

class TsSkinProvider : public TComponent {
public:
    // The owner is the form to skin; a provider owned by anything else attaches to nothing.
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

private:
    TCustomForm* FForm = nullptr;
    std::unique_ptr<TsCommonData> FSkinData;
    TAlignment FCaptionAlignment = taLeftJustify;
    TsGripMode FGripMode = gmNone;
    bool FMakeSkinMenu = false;
    TsResizeMode FResizeMode = rmStandard;
    bool FShowAppIcon = true;
    bool FUseGlobalColor = true;
};
