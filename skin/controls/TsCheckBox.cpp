// The stored skin properties of TsCheckBox.
#include "skin/controls/TsCheckBox.h"

TsCheckBox::TsCheckBox(TComponent* owner) : TCheckBox(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {}
