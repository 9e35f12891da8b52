// A captioned, etched frame that holds other controls.
#pragma once

#include "framework/TCustomControl.h"

// Painted by the platform's group-box look; aligned children go inside the frame, below the
// caption.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* owner);
    std::string ClassName() const override { return "TGroupBox"; }

    TRect AlignRect() const override;

protected:
    void Paint() override;
    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
};
