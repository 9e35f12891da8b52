// The form provider's attachment, registration and stored options.
#include "skin/windows/TsSkinProvider.h"

#include "skin/data/SkinCommands.h"
#include "skin/data/TacFormRegistry.h"
#include "skin/data/TsSkinManager.h"

#include "framework/TCustomForm.h"

namespace {

// The first component of the form, other than provider, that is a form provider too.
bool HasOtherProvider(const TCustomForm& form, const TsSkinProvider* provider) {
    for (int i = 0; i < form.ComponentCount(); ++i) {
        TComponent* component = form.Components(i);
        if (component != provider && dynamic_cast<TsSkinProvider*>(component)) return true;
    }
    return false;
}

} // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(owner), FForm(dynamic_cast<TCustomForm*>(owner)), FSkinData(std::make_unique<TsCommonData>(this, 0)) {
    FSkinData->SetSkinSection("FORM");
    FSkinData->ApplySkin();
    if (FForm && HasOtherProvider(*FForm, this)) FForm = nullptr;
    if (!FForm) return;
    FFormHook = FForm->PushWindowProc([this](TMessage& m, const TWndMethod& next) { FormMessage(m, next); });
    TacFormRegistry::Register(FForm);
}

TsSkinProvider::~TsSkinProvider() {
    if (!FForm) return;
    TacFormRegistry::Unregister(FForm);
    FForm->RemoveWindowProc(FFormHook);
}

TsSkinManager* TsSkinProvider::FormSkinManager() const { return FSkinData->SkinManager(); }

void TsSkinProvider::FormMessage(TMessage& message, const TWndMethod& next) {
    if (message.Msg != SM_SKINCMD) return FSkinData->RouteMessage(message, next);
    switch (SkinCmdCode(message.WParam)) {
    case scIsSkinned:
        message.LParam = 1;
        message.Result = 1;
        break;
    case scGetProvider: message.Result = reinterpret_cast<LRESULT>(static_cast<TComponent*>(this)); break;
    default: FSkinData->HandleSkinMessage(message); break;
    }
}
