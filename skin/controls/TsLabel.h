// The skinned label: a label that takes the skin's text colour while a skin is in force.
#pragma once

#include "skin/controls/TsCustomLabel.h"

class TsLabel : public TsCustomLabel {
public:
    explicit TsLabel(TComponent* owner) : TsCustomLabel(owner) {}
    std::string ClassName() const override { return "TsLabel"; }

    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool value) { FUseSkinColor = value; }

private:
    bool FUseSkinColor = true;
};
