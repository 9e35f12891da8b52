// The skinned drag bar: a title strip of the DRAGBAR section that moves a window as its title
// bar would.
#pragma once

#include "skin/controls/TsPanel.h"

// A panel aligned to the top, 20 pixels high, with a bold caption of one space and the hand
// cursor. A left press on it moves DraggedControl (by default the form it lies on) through the
// platform's own move loop, as a press on that window's title bar does: the window follows the
// mouse until the release, and Esc puts it back.
class TsDragBar : public TsPanel {
public:
    static constexpr int ControlKindCode = ckDragBar;
    static constexpr int DefaultHeight = 20;

    explicit TsDragBar(TComponent* owner);
    std::string ClassName() const override { return "TsDragBar"; }

    // The window a press moves: the one set, else the form the bar lies on (nullptr when none).
    TWinControl* DraggedControl() const;
    // nullptr returns to the form the bar lies on.
    void SetDraggedControl(TWinControl* control);

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TWinControl* FDraggedControl = nullptr;
};
