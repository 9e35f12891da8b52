// The ellipse hint: an ellipse big enough to hold the text rectangle, with a pointer triangle
// toward the hint position.
#pragma once

#include "skin/hints/TsCustomHintWindow.h"

class TsEllipseHintWindow : public TsCustomHintWindow {
public:
    using TsCustomHintWindow::TsCustomHintWindow;
    std::string ClassName() const override { return "TsEllipseHintWindow"; }

    static constexpr int kMinTextWidth = 50;

protected:
    TRect GetBodyRect() override;
    TacHintShape Shape() override;
    void AddShapeRoom(TSize& size) override;
    int MinTextWidth() const override { return kMinTextWidth; }
    // Adds the pointer's height, then the width and height by which an ellipse must exceed a
    // rectangle of that size to hold it.
    void AddEllipseRoom(TSize& size);
};
