// The skinned memo's binding and message route.
#include "skin/controls/TsMemo.h"

TsMemo::TsMemo(TComponent* owner)
    : TMemo(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->SetSkinSection("EDIT");
    FSkinData->ApplySkin();
}

void TsMemo::WndProc(TMessage& message) {
    FSkinData->RouteMessage(message, [this](TMessage& m) { TMemo::WndProc(m); });
}

void TsMemo::Loaded() {
    TMemo::Loaded();
    FSkinData->ApplySkin();
}
