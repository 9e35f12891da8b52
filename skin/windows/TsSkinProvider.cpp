// The form provider's attachment and stored options.
#include "skin/windows/TsSkinProvider.h"

#include "framework/TCustomForm.h"

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(owner), FForm(dynamic_cast<TCustomForm*>(owner)), FSkinData(std::make_unique<TsCommonData>(this, 0)) {
    FSkinData->SetSkinSection("FORM");
}

TsSkinProvider::~TsSkinProvider() = default;
