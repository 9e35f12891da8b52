// The skinned label: a label that takes the skin's text colour while a skin is in force.
#pragma once

#include "skin/controls/TsCustomLabel.h"

class TsLabel : public TsCustomLabel {
public:
    explicit TsLabel(TComponent* owner) : TsCustomLabel(owner) {}
    std::string ClassName() const override { return "TsLabel"; }

    // On by default: a label of its own colour shows the skin's text colour while a skin is in force.
    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool value) { FUseSkinColor = value; }

protected:
    bool FollowsSkinColor() const override { return FUseSkinColor; }

private:
    bool FUseSkinColor = true;
};
