// The skinned speed button's binding and message route.
#include "skin/controls/TsSpeedButton.h"

TsSpeedButton::TsSpeedButton(TComponent* owner)
    : TSpeedButton(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->ApplySkin();
}

void TsSpeedButton::WndProc(TMessage& message) {
    FSkinData->RouteMessage(message, [this](TMessage& m) { TSpeedButton::WndProc(m); });
}

void TsSpeedButton::Loaded() {
    TSpeedButton::Loaded();
    FSkinData->ApplySkin();
}
