// The skinned combo box's binding and message route.
#include "skin/controls/TsComboBox.h"

TsComboBox::TsComboBox(TComponent* owner)
    : TComboBox(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)),
      FBoundLabel(std::make_unique<TsBoundLabel>(this)) {
    FSkinData->SetSkinSection("COMBOBOX");
    FSkinData->ApplySkin();
}

// The bound label follows the control's moves, sizes, visibility and enabling.
void TsComboBox::WndProc(TMessage& message) {
    std::weak_ptr<int> alive = AliveToken();
    FSkinData->RouteMessage(message, [this](TMessage& m) { TComboBox::WndProc(m); });
    if (!alive.expired()) FBoundLabel->Follow(message);
}

void TsComboBox::Loaded() {
    TComboBox::Loaded();
    FSkinData->ApplySkin();
}
