// The single-line edit of forms.
#pragma once

#include "framework/TCustomEdit.h"

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
    std::string ClassName() const override { return "TEdit"; }
};
