// The form class programs derive their windows from.
#pragma once

#include "framework/TCustomForm.h"

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
    std::string ClassName() const override { return "TForm"; }
};
