// The stored skin properties of TsEdit.
#include "skin/controls/TsEdit.h"

TsEdit::TsEdit(TComponent* owner) : TEdit(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {}
