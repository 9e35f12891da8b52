// The skinned drag bar: its look and the move it starts.
#include "skin/controls/TsDragBar.h"

#include "framework/TCustomForm.h"
#include "framework/TFont.h"
#include "platform/window/Win.h"

TsDragBar::TsDragBar(TComponent* owner) : TsPanel(owner, ControlKindCode) {
    SetAlign(alTop);
    SetHeight(DefaultHeight);
    Font()->SetStyle(TFontStyles{fsBold});
    SetCaption(" ");
    SetCursor(crHandPoint);
}

TWinControl* TsDragBar::DraggedControl() const {
    if (FDraggedControl) return FDraggedControl;
    return GetParentForm();
}

void TsDragBar::SetDraggedControl(TWinControl* control) {
    if (control == FDraggedControl) return;
    if (FDraggedControl) FDraggedControl->RemoveFreeNotification(this);
    FDraggedControl = control;
    if (control) control->FreeNotification(this);
}

void TsDragBar::Notification(TComponent* component, TOperation operation) {
    TsPanel::Notification(component, operation);
    if (operation == opRemove && component == FDraggedControl) FDraggedControl = nullptr;
}

// The move loop runs inside the press and takes the release itself; the bar's own capture is
// given up first so that the loop's window gets the mouse.
void TsDragBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const std::weak_ptr<int> alive = AliveToken();
    TsPanel::MouseDown(button, shift, x, y);
    if (alive.expired() || button != mbLeft) return;
    TWinControl* target = DraggedControl();
    if (!target || !target->HandleAllocated()) return;
    ReleaseCapture();
    TPoint cursor;
    GetCursorPos(&cursor);
    SendMessage(target->Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, PointToLParam(cursor));
}
