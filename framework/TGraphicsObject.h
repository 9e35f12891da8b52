// The base of fonts, pens and brushes: a drawing attribute that announces its changes.
#pragma once

#include "framework/Events.h"
#include "framework/TPersistent.h"

class TGraphicsObject : public TPersistent {
public:
    std::string ClassName() const override { return "TGraphicsObject"; }

    // Fired once after each change of a value (setting a value it already has is no change).
    TNotifyEvent OnChange;

protected:
    virtual void Changed() {
        if (OnChange) OnChange(this);
    }
};
