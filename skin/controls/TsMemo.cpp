// The skinned memo's binding, painting and message route.
#include "skin/controls/TsMemo.h"

TsMemo::TsMemo(TComponent* owner)
    : TMemo(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)),
      FBoundLabel(std::make_unique<TsBoundLabel>(this)), FSkin(*this, *this, false, true) {
    FSkinData->SetSkinSection("EDIT");
    FSkinData->ApplySkin();
}

void TsMemo::SetDisabledKind(TsDisabledKind value) {
    if (FDisabledKind == value) return;
    FDisabledKind = value;
    FSkin.RepaintAll();
}

// The bound label follows the control's moves, sizes, visibility and enabling.
void TsMemo::WndProc(TMessage& message) {
    if (FSkin.Before(message)) return;
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TMemo::WndProc(m); });
    if (alive.expired()) return;
    FSkin.After(message, 0);
    FBoundLabel->Follow(message);
}

void TsMemo::Loaded() {
    TMemo::Loaded();
    FSkinData->ApplySkin();
}
