// A windowed control that paints itself: a canvas on its window and a virtual Paint.
#pragma once

#include "framework/TControlCanvas.h"
#include "framework/TWinControl.h"

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    std::string ClassName() const override { return "TCustomControl"; }

    // Valid for drawing during Paint (the paint context); outside it, a context on the window.
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;
    void DestroyWnd() override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
