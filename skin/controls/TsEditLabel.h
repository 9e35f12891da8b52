// The caption label a bound label keeps beside its edit.
#pragma once

#include "skin/controls/TsLabel.h"

class TWinControl;

class TsEditLabel : public TsLabel {
public:
    // Owned by the edit it captions, so it goes with it.
    explicit TsEditLabel(TWinControl* boundTo);
    std::string ClassName() const override { return "TsEditLabel"; }

    TWinControl* BoundTo() const { return FBoundTo; }

private:
    TWinControl* FBoundTo;
};
