// The rectangular hint: a framed rectangle 16 pixels below the hint position, with a soft
// rectangular shadow.
#pragma once

#include "skin/hints/TsCustomHintWindow.h"

class TsSimplyHintWindow : public TsCustomHintWindow {
public:
    using TsCustomHintWindow::TsCustomHintWindow;
    std::string ClassName() const override { return "TsSimplyHintWindow"; }

protected:
    TPoint GetHintPos() override;
    void PaintShadow(Bitmap& work) override;
    TRect GetBodyRect() override;
    void PaintBorder(Bitmap& body) override;
    TacHintShape Shape() override;

private:
    static constexpr int kBelowPointer = 16;
};
