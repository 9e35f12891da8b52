// The stored skin properties of TsMemo.
#include "skin/controls/TsMemo.h"

TsMemo::TsMemo(TComponent* owner) : TMemo(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->SetSkinSection("EDIT");
}
