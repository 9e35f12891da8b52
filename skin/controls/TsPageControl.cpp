// The stored skin properties of TsPageControl.
#include "skin/controls/TsPageControl.h"

TsPageControl::TsPageControl(TComponent* owner) : TPageControl(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {}
