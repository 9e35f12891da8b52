// The skinned track bar's binding and message route.
#include "skin/controls/TsTrackBar.h"

TsTrackBar::TsTrackBar(TComponent* owner)
    : TTrackBar(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    SetThumbLength(23);
    FSkinData->ApplySkin();
}

void TsTrackBar::WndProc(TMessage& message) {
    FSkinData->RouteMessage(message, [this](TMessage& m) { TTrackBar::WndProc(m); });
}

void TsTrackBar::Loaded() {
    TTrackBar::Loaded();
    FSkinData->ApplySkin();
}
