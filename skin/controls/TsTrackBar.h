// The skinned track bar (difficulty, hue, saturation): the platform's track bar with every pixel
// drawn from the skin's TRACKBAR section while a skin is in force.
#pragma once

#include "framework/TTrackBar.h"
#include "skin/controls/TacTrackBarPainter.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TacWindowPainting.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

// The platform keeps the range, the position, the keyboard and the dragging, and says where the
// channel, thumb and ticks are; the skin draws them. The thumb looks pressed only while the left
// button holds it, and while any track bar is held the application shows no hints.
class TsTrackBar : public TTrackBar, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckTrackBar;

    explicit TsTrackBar(TComponent* owner);
    std::string ClassName() const override { return "TsTrackBar"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    TsDisabledKind SkinDisabledKind() const override { return FDisabledKind; }
    TsDisabledKind DisabledKind() const { return FDisabledKind; }
    void SetDisabledKind(TsDisabledKind value);
    TacAnimatEvents AnimatEvents() const { return FAnimatEvents; }
    void SetAnimatEvents(TacAnimatEvents value) { FAnimatEvents = value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value) { FShowFocus = value; }

    // Raised after the user (not the program) moved the position.
    TNotifyEvent OnUserChange;

    // 2 while the left button holds the thumb, else 1 when hot, else 0.
    int ThumbState() const;
    void PrepareCache() override;
    // Where the platform puts the parts now.
    TacTrackBarGeometry Geometry() const;

protected:
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    void SkinCommand(TMessage& message);
    bool BeforeSkinned(TMessage& message);
    void AfterSkinned(const TMessage& message);
    void PaintSkinned(HDC dc);
    void LeftPress(LPARAM point);
    void LeftRelease();
    void RefreshImage();
    void GiveBackToPlatform();

    std::unique_ptr<TsCommonData> FSkinData;
    TacWindowPainting FPainting;
    TsDisabledKind FDisabledKind = DefaultDisabledKind;
    TacAnimatEvents FAnimatEvents = DefaultAnimatEvents;
    bool FShowFocus = false;
    bool FThumbHeld = false;
};
