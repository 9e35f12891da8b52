// The skinned combo box's binding and message route.
#include "skin/controls/TsComboBox.h"

TsComboBox::TsComboBox(TComponent* owner)
    : TComboBox(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->SetSkinSection("COMBOBOX");
    FSkinData->ApplySkin();
}

void TsComboBox::WndProc(TMessage& message) {
    FSkinData->RouteMessage(message, [this](TMessage& m) { TComboBox::WndProc(m); });
}

void TsComboBox::Loaded() {
    TComboBox::Loaded();
    FSkinData->ApplySkin();
}
