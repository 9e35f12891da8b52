// Running the colour dialog and carrying its custom colours.
#include "framework/TColorDialog.h"

#include "framework/Dialogs.h"
#include "framework/TColorDialogForm.h"
#include "framework/TStringList.h"

#include <cstdio>

namespace {

std::string SlotName(int index) {
    return std::string("Color") + static_cast<char>('A' + index);
}

bool ParseRrggbb(const std::string& text, TColor& color) {
    if (text.size() != 6) return false;
    unsigned value = 0;
    for (char c : text) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0) return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    color = RGB(static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF),
                static_cast<int>(value & 0xFF));
    return true;
}

std::string ToRrggbb(TColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
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
        TColor color = clWhite;
        if (FCustomColors->IndexOfName(SlotName(i)) >= 0 &&
            ParseRrggbb(FCustomColors->Values(SlotName(i)), color))
            form.SetCustomColor(i, color);
    }
}

void TColorDialog::SaveCustomColors(const TColorDialogForm& form) {
    FCustomColors->Clear();
    for (int i = 0; i < TColorDialogForm::kCustomCount; ++i)
        FCustomColors->Add(SlotName(i) + "=" + ToRrggbb(form.CustomColor(i)));
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
