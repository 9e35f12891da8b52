// A binding's handling of the platform and framework messages its control receives: moves and
// sizes, focus, enabling, visibility, children and the mouse.
#pragma once

#include "framework/Messages.h"

class TsCommonData;
class TWinControl;

class TacBindingEvents {
public:
    explicit TacBindingEvents(TsCommonData& data) : FData(data) {}

    // Runs after the control's own handling; true when the message must go no further.
    bool Handle(TMessage& message);
    // The message ends at the binding without the control's handling (the user-interface state
    // update of a skinned control, so the platform draws no focus or accelerator cues).
    bool Swallows(const TMessage& message) const;

private:
    void Moved();
    void Resized();
    void Focus(bool gained);
    void VisibilityChanged(bool visible);
    // lParam names the child the mouse went into, 0 (or the owner) for the owner itself.
    void MouseEntered(LPARAM lParam);
    void MouseLeft(LPARAM lParam);
    void LeaveOtherSpeedButtons(TWinControl& owner, LPARAM entered);
    bool Designing() const;

    TsCommonData& FData;
};
