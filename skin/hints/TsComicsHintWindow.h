// The comics hint: a rounded rectangle with a pointer triangle toward the hint position.
#pragma once

#include "skin/hints/TsCustomHintWindow.h"

class TsComicsHintWindow : public TsCustomHintWindow {
public:
    using TsCustomHintWindow::TsCustomHintWindow;
    std::string ClassName() const override { return "TsComicsHintWindow"; }

protected:
    TacHintShape Shape() override;
    void AddShapeRoom(TSize& size) override;
};
