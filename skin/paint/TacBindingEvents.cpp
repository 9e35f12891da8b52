// The binding's platform message table.
#include "skin/paint/TacBindingEvents.h"

#include "skin/paint/ControlKinds.h"
#include "skin/paint/TacSkinnedControl.h"
#include "skin/paint/TsCommonData.h"

#include "skin/data/SkinBroadcast.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TWinControl.h"

namespace {

bool Destroying(const TComponent* component) {
    return component->ComponentState().Contains(csDestroying);
}

} // namespace

bool TacBindingEvents::Handle(TMessage& message) {
    switch (message.Msg) {
    case WM_MOVE: Moved(); break;
    case WM_SIZE: Resized(); break;
    case WM_SETFOCUS: Focus(true); break;
    case WM_KILLFOCUS: Focus(false); break;
    case CM_ENABLEDCHANGED:
        FData.SetHasFocus(false);
        FData.SetMouseInside(false);
        break;
    case WM_UPDATEUISTATE: return Swallows(message);
    case WM_PARENTNOTIFY:
        if (LOWORD(message.WParam) == WM_CREATE || LOWORD(message.WParam) == WM_DESTROY) FData.ReportToForm();
        break;
    case CM_VISIBLECHANGED: VisibilityChanged(message.WParam != 0); break;
    case CM_MOUSEENTER: MouseEntered(message.LParam); break;
    case CM_MOUSELEAVE: MouseLeft(message.LParam); break;
    default: break;
    }
    return false;
}

bool TacBindingEvents::Swallows(const TMessage& message) const {
    return message.Msg == WM_UPDATEUISTATE && FData.IsSkinned();
}

void TacBindingEvents::Moved() {
    if (FData.OwnerControl() && FData.DependsOnParentImage())
        SkinCommandToControl(FData.OwnerControl(), scRepaintDependants, 0, 1);
}

// A gradient is laid out over the whole control: children that keep their place while it grows
// stand on another part of it now.
void TacBindingEvents::Resized() {
    if (!FData.IsSkinned()) return;
    FData.SetCacheInvalid(true);
    auto* windowed = dynamic_cast<TWinControl*>(FData.OwnerControl());
    const TsGeneralData* section = FData.Section();
    if (!windowed || section->GradientPercent <= 0) return;
    for (int i = 0; i < windowed->ControlCount(); ++i) {
        TControl* child = windowed->Controls(i);
        const TAnchors anchors = child->Anchors();
        if (Destroying(child) || anchors.Contains(akRight) || anchors.Contains(akBottom)) continue;
        SkinCommandToControl(child, scRepaintDependants, 0, 1);
    }
}

void TacBindingEvents::Focus(bool gained) {
    auto* windowed = dynamic_cast<TWinControl*>(FData.OwnerControl());
    if (!windowed || !windowed->CanFocus() || !windowed->TabStop()) return;
    FData.SetCacheInvalid(true);
    FData.SetHasFocus(gained);
}

void TacBindingEvents::VisibilityChanged(bool visible) {
    if (!FData.CacheBitmap()) return;
    if (!visible) return FData.DropCachedPixels();
    FData.SetPaintSuspended(false);
    FData.SetCacheInvalid(true);
}

void TacBindingEvents::MouseEntered(LPARAM lParam) {
    if (Designing()) return;
    auto* windowed = dynamic_cast<TWinControl*>(FData.OwnerControl());
    if (windowed && TsSkinManager::DefaultManager()) LeaveOtherSpeedButtons(*windowed, lParam);
    if (KindHasHover(FData.ControlKind())) FData.SetMouseInside(true);
    if (windowed && windowed->HandleAllocated() && TsSkinManager::DefaultManager())
        TsSkinManager::DefaultManager()->SetHotWindow(windowed->Handle());
}

// The framework tells a container when the mouse leaves one of its children too: that leaves the
// mouse inside the container.
void TacBindingEvents::MouseLeft(LPARAM lParam) {
    if (Designing()) return;
    const bool aboutOwner = lParam == 0 || lParam == reinterpret_cast<LPARAM>(FData.OwnerControl());
    if (aboutOwner && KindHasHover(FData.ControlKind())) FData.SetMouseInside(false);
}

// A speed button that missed its mouse-left notice (the mouse went fast into a sibling) would
// stay hot.
void TacBindingEvents::LeaveOtherSpeedButtons(TWinControl& owner, LPARAM entered) {
    for (int i = 0; i < owner.ControlCount(); ++i) {
        TControl* child = owner.Controls(i);
        if (child == &owner || reinterpret_cast<LPARAM>(child) == entered) continue;
        TacSkinnedControl* skinned = TacSkinnedControl::Of(child);
        TsCommonData* data = skinned ? skinned->SkinData() : nullptr;
        if (data && data->ControlKind() == ckSpeedButton && data->MouseInside()) child->Perform(CM_MOUSELEAVE, 0, 0);
    }
}

bool TacBindingEvents::Designing() const {
    const TControl* owner = FData.OwnerControl();
    return owner && owner->ComponentState().Contains(csDesigning);
}
