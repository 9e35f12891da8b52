// The skinned panel's binding and the route of its messages to it and its children.
#include "skin/controls/TsPanel.h"

#include "skin/paint/ContainerCommands.h"

TsPanel::TsPanel(TComponent* owner)
    : TPanel(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->ApplySkin();
}

void TsPanel::WndProc(TMessage& message) {
    RouteContainerMessage(*this, *FSkinData, message, [this](TMessage& m) { TPanel::WndProc(m); });
}

void TsPanel::Loaded() {
    TPanel::Loaded();
    FSkinData->ApplySkin();
}
