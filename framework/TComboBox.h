// The combo box of forms.
#pragma once

#include "framework/TCustomComboBox.h"

class TComboBox : public TCustomComboBox {
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
    std::string ClassName() const override { return "TComboBox"; }
};
