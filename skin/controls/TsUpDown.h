// The skinned up-down: both arrow buttons painted from the skin's "UPDOWNBTN" section (else
// "BUTTON"), each in its own state, with an arrow in the section's font colour.
#pragma once

#include "framework/TUpDown.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/SkinControlTypes.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include <memory>

// The platform keeps the range, the stepping and the repeat; the control tracks which arrow is
// under the mouse and which is held, and rebuilds its image at every paint.
class TsUpDown : public TUpDown, public TacSkinnedControl {
public:
    static constexpr int ControlKindCode = ckButton;

    explicit TsUpDown(TComponent* owner);
    std::string ClassName() const override { return "TsUpDown"; }

    TsCommonData* SkinData() const override { return FSkinData.get(); }
    // "UPDOWNBTN" when the skin in force has it, else "BUTTON".
    std::string ButtonSection() const;
    // The arrow's button as drawn: -1 the decreasing one (left or bottom), +1 the other.
    TRect ArrowRect(int direction) const;
    // 2 while held, 1 under the mouse, else 0.
    int ArrowState(int direction) const;
    void PrepareCache() override;

protected:
    void WndProc(TMessage& message) override;
    void Loaded() override;

private:
    bool BeforeSkinned(TMessage& message);
    void AfterSkinned(const TMessage& message);
    void PaintSkinned(HDC dc);
    void PaintArrow(Bitmap& image, int direction, int state, TColor ink) const;
    void SetArrows(int hot, int held);
    int ArrowAt(TPoint p) const;

    std::unique_ptr<TsCommonData> FSkinData;
    int FHotArrow = 0;
    int FHeldArrow = 0;
};
