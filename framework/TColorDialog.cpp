// Running the colour dialog and carrying its custom colours.
#include "framework/TColorDialog.h"

#include "framework/Dialogs.h"
#include "framework/RrggbbText.h"
#include "framework/TColorDialogForm.h"
#include "framework/TStringList.h"

namespace {

std::string SlotName(int index) {
    return std::string("Color") + static_cast<char>('A' + index);
}

} // namespace

TColorDialog::TColorDialog(TComponent* owner)
    : TComponent(owner), FCustomColors(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

void TColorDialog::SetCustomColors(const TStrings* colors) {
    FCustomColors->Assign(colors);
}

void TColorDialog::LoadCustomColors(TColorDialogForm& form) const {
    for (int i = 0; i < TColorDialogForm::kCustomCount; ++i) {
        if (FCustomColors->IndexOfName(SlotName(i)) < 0) continue;
        if (const auto color = RrggbbToColor(FCustomColors->Values(SlotName(i)))) form.SetCustomColor(i, *color);
    }
}

void TColorDialog::SaveCustomColors(const TColorDialogForm& form) {
    FCustomColors->Clear();
    for (int i = 0; i < TColorDialogForm::kCustomCount; ++i)
        FCustomColors->Add(SlotName(i) + "=" + ColorToRrggbb(form.CustomColor(i)));
}

bool TColorDialog::Execute() {
    TColorDialogForm form(nullptr);
    form.SetCurrentColor(FColor);
    LoadCustomColors(form);
    PlaceDialog(&form);
    if (OnShow) OnShow(this);
    const bool ok = form.ShowModal() == mrOk;
    SaveCustomColors(form);
    if (OnClose) OnClose(this);
    if (ok) FColor = form.CurrentColor();
    return ok;
}
