// The skinned tab sheet's binding and the route of its messages to it and its children.
#include "skin/controls/TsTabSheet.h"

#include "skin/paint/ContainerCommands.h"

TsTabSheet::TsTabSheet(TComponent* owner)
    : TTabSheet(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->ApplySkin();
}

void TsTabSheet::WndProc(TMessage& message) {
    RouteContainerMessage(*this, *FSkinData, message, [this](TMessage& m) { TTabSheet::WndProc(m); });
}

void TsTabSheet::Loaded() {
    TTabSheet::Loaded();
    FSkinData->ApplySkin();
}
