// The stored skin properties of TsButton.
#include "skin/controls/TsButton.h"

TsButton::TsButton(TComponent* owner) : TButton(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {}
