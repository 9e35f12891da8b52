// The popup that shows a control's hint: no activation, no mouse, a drop shadow. The application
// makes it through its replaceable HintWindowClass, so skinning can put its own kind in.
#pragma once

#include "framework/TCustomControl.h"

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);
    std::string ClassName() const override { return "THintWindow"; }

    // The size the hint needs, at (0, 0): the text word-wrapped within maxWidth plus margins.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint, void* data);
    // Shows the hint at rect (screen coordinates; moved inside the screen) without activating.
    virtual void ActivateHint(const TRect& rect, const std::string& hint);
    // Hides the hint by destroying its window.
    void ReleaseHandle();
    bool Active() const { return FHandle && Showing(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& message) override;

    static constexpr int kMarginX = 3;
    static constexpr int kMarginY = 2;
};
