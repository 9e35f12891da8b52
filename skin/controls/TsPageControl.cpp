// The skinned page control's binding and message route.
#include "skin/controls/TsPageControl.h"

#include "skin/paint/ContainerCommands.h"

TsPageControl::TsPageControl(TComponent* owner)
    : TPageControl(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->ApplySkin();
}

void TsPageControl::WndProc(TMessage& message) {
    RouteContainerMessage(*this, *FSkinData, message, [this](TMessage& m) { TPageControl::WndProc(m); });
}

void TsPageControl::Loaded() {
    TPageControl::Loaded();
    FSkinData->ApplySkin();
}
