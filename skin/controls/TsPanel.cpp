// The skinned panel's binding.
#include "skin/controls/TsPanel.h"

TsPanel::TsPanel(TComponent* owner) : TPanel(owner), FSkinData(std::make_unique<TsCommonData>(this, ControlKindCode)) {}
