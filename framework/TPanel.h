// A container with bevels, a border and a centred caption.
#pragma once

#include "framework/TCustomControl.h"

// Painted from the outside in: outer bevel, BorderWidth in the panel colour, inner bevel, then
// the face with the caption. Aligned children go inside all of it.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);
    std::string ClassName() const override { return "TPanel"; }

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool ParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool value);

    TRect AlignRect() const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void CMTextChanged(TMessage& message) override;

private:
    int BevelSize(TBevelCut cut) const { return cut == bvNone ? 0 : FBevelWidth; }

    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    TAlignment FAlignment = taCenter;
    bool FParentBackground = false;
};
