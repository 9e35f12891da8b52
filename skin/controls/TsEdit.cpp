// The skinned edit's binding and message route.
#include "skin/controls/TsEdit.h"

TsEdit::TsEdit(TComponent* owner)
    : TEdit(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->ApplySkin();
}

void TsEdit::WndProc(TMessage& message) {
    FSkinData->RouteMessage(message, [this](TMessage& m) { TEdit::WndProc(m); });
}

void TsEdit::Loaded() {
    TEdit::Loaded();
    FSkinData->ApplySkin();
}
