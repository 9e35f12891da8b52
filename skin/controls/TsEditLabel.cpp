// The bound caption label.
#include "skin/controls/TsEditLabel.h"

#include "framework/TWinControl.h"

TsEditLabel::TsEditLabel(TWinControl* boundTo) : TsLabel(boundTo), FBoundTo(boundTo) {
    SetFocusControl(boundTo);
}
