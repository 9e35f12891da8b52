// The skinned memo's binding and message route.
#include "skin/controls/TsMemo.h"

TsMemo::TsMemo(TComponent* owner)
    : TMemo(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)),
      FBoundLabel(std::make_unique<TsBoundLabel>(this)) {
    FSkinData->SetSkinSection("EDIT");
    FSkinData->ApplySkin();
}

// The bound label follows the control's moves, sizes, visibility and enabling.
void TsMemo::WndProc(TMessage& message) {
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TMemo::WndProc(m); });
    if (!alive.expired()) FBoundLabel->Follow(message);
}

void TsMemo::Loaded() {
    TMemo::Loaded();
    FSkinData->ApplySkin();
}
