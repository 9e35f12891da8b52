// The skinned edit's binding and message route.
#include "skin/controls/TsEdit.h"

TsEdit::TsEdit(TComponent* owner)
    : TEdit(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)),
      FBoundLabel(std::make_unique<TsBoundLabel>(this)) {
    FSkinData->ApplySkin();
}

// The bound label follows the control's moves, sizes, visibility and enabling.
void TsEdit::WndProc(TMessage& message) {
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TEdit::WndProc(m); });
    if (!alive.expired()) FBoundLabel->Follow(message);
}

void TsEdit::Loaded() {
    TEdit::Loaded();
    FSkinData->ApplySkin();
}
