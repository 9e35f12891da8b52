// The close button a page control puts on a tab while no skin is in force: a 15 x 15 flat speed
// button with a bold red "X", bound to its sheet.
#pragma once

#include "skin/controls/TsSpeedButton.h"

class TTabSheet;

class TsTabBtn : public TsSpeedButton {
public:
    static constexpr int Size = 15;

    TsTabBtn(TComponent* owner, TTabSheet* page);
    std::string ClassName() const override { return "TsTabBtn"; }

    TTabSheet* Page() const { return FPage; }

private:
    TTabSheet* FPage;
};
