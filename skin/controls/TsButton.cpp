// The skinned push button's binding and message route.
#include "skin/controls/TsButton.h"

TsButton::TsButton(TComponent* owner)
    : TButton(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->ApplySkin();
}

void TsButton::WndProc(TMessage& message) {
    FSkinData->RouteMessage(message, [this](TMessage& m) { TButton::WndProc(m); });
}

void TsButton::Loaded() {
    TButton::Loaded();
    FSkinData->ApplySkin();
}
