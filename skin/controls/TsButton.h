// The skinned push button of the dialogs: the platform's push button, owner-drawn from the skin's
// BUTTON section while a skin is in force, its rounded corners cut out of its window.
#pragma once

#include "framework/TButton.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TacWindowPainting.h"
#include "skin/paint/TsCommonData.h"

#include "platform/gfx/Region.h"

#include <memory>
#include <optional>

class TCanvas;

// The platform keeps the clicking and the keyboard; the skin supplies every pixel. Each change of
// the state shown (normal, hot, pressed) builds the window's region again, since each state's
// borders mask may round its corners differently. Without a skin it is the plain push button,
// with no region.
class TsButton : public TButton, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckButton;
    // How long a quick click keeps the pressed look on screen.
    static constexpr int PressedFlashMs = 30;

    explicit TsButton(TComponent* owner);
    std::string ClassName() const override { return "TsButton"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value);
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }
    // Held pressed by program.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    // The focus frame's distance from the caption.
    int FocusMargin() const { return FFocusMargin; }
    void SetFocusMargin(int value) { FFocusMargin = value; }

    // 2 pressed (pushed, or Down), 1 hot (the dialog's default button, focused or under the
    // mouse), else 0.
    int SkinState() const override;
    void PrepareCache() override;
    // Where the caption goes in the control's image for the current state.
    TRect CaptionRect();

protected:
    void CreateParams(TCreateParams& params) override;
    // A new window has no region yet.
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void UpdateDefaultLook() override;

private:
    void SkinCommand(TMessage& message);
    // True when the message is finished here.
    bool BeforeSkinned(TMessage& message);
    void AfterSkinned(const TMessage& message);
    void MouseUp();
    void PaintSkinned(HDC dc);
    void ApplyPendingRegion();
    void ShowPressedNow();
    void SetOwnerDrawn(bool on);
    void Reshape();
    void PaintCaption(TCanvas& canvas);

    std::unique_ptr<TsCommonData> FSkinData;
    TacWindowPainting FPainting;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
    bool FDown = false;
    int FFocusMargin = 1;
    bool FRegionChanged = true;
    std::optional<Region> FPendingRegion;
    bool FPressedByMouse = false;
    bool FPressedShown = false; // the pressed look reached the screen since the press
    int FShownState = -1;
};
