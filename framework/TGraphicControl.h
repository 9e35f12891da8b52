// A control without a window of its own: its parent paints it, in z-order, into the parent's
// device context moved to the control's corner and clipped to its bounds.
#pragma once

#include "framework/TControl.h"
#include "framework/TControlCanvas.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    std::string ClassName() const override { return "TGraphicControl"; }

    // Valid for drawing during Paint; outside it, the canvas gets a context on the parent.
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    // WM_PAINT with the context in wParam, as the parent's PaintControls sends it.
    void WMPaint(TMessage& message) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
