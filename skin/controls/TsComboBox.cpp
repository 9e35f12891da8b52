// The stored skin properties of TsComboBox.
#include "skin/controls/TsComboBox.h"

TsComboBox::TsComboBox(TComponent* owner) : TComboBox(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {
    FSkinData->SetSkinSection("COMBOBOX");
}
