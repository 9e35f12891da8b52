// The thought-balloon hint: an ellipse with a trail of five shrinking bubbles toward the hint
// position.
#pragma once

#include "skin/hints/TsEllipseHintWindow.h"

class TsBalloonHintWindow : public TsEllipseHintWindow {
public:
    using TsEllipseHintWindow::TsEllipseHintWindow;
    std::string ClassName() const override { return "TsBalloonHintWindow"; }

    int BubbleCount() const { return TacHintShape::kBubbleCount; }
    int BubbleDivisor() const { return TacHintShape::kBubbleDivisor; }

protected:
    TRect GetBodyRect() override { return TsCustomHintWindow::GetBodyRect(); }
    TacHintShape Shape() override;
    void PaintShadow(Bitmap& work) override;
    int ShapeLevel() const override;
};
