// The skinned tab sheet's stored properties.
#include "skin/controls/TsTabSheet.h"

TsTabSheet::TsTabSheet(TComponent* owner) : TTabSheet(owner), FSkinData(std::make_unique<TsCommonData>(this, 0)) {}
