// The skinned speed button's stored skin properties.
#include "skin/controls/TsSpeedButton.h"

TsSpeedButton::TsSpeedButton(TComponent* owner)
    : TSpeedButton(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {}
