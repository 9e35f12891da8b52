// The skinned check box's binding and message route.
#include "skin/controls/TsCheckBox.h"

TsCheckBox::TsCheckBox(TComponent* owner)
    : TCheckBox(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode, false)) {
    FSkinData->ApplySkin();
}

void TsCheckBox::WndProc(TMessage& message) {
    FSkinData->RouteMessage(message, [this](TMessage& m) { TCheckBox::WndProc(m); });
}

void TsCheckBox::Loaded() {
    TCheckBox::Loaded();
    FSkinData->ApplySkin();
}
