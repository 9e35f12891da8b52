// The canvas of a control: gets the control's device context on first use and lets it go again.
#pragma once

#include "framework/TCanvas.h"

#include <functional>

class TControl;

// Outside painting, drawing goes to a context over the control's window (or, for a graphic
// control, its parent's window moved and clipped to the control). During painting the control
// hands the paint context in with SetHandle and the canvas only borrows it.
class TControlCanvas : public TCanvas {
public:
    TControlCanvas() = default;
    ~TControlCanvas() override;
    std::string ClassName() const override { return "TControlCanvas"; }

    TControl* Control() const { return FControl; }
    void SetControl(TControl* control);
    // Returns a context got by CreateHandle to its window.
    void FreeHandle();
    // Draws with the paint context for the length of paint, and lets it go even when paint throws.
    void PaintOn(HDC dc, const std::function<void()>& paint);

protected:
    void CreateHandle() override;

private:
    TControl* FControl = nullptr;
    HWND FWindow = nullptr; // the window whose context CreateHandle got
    HDC FWindowDC = nullptr;
};
