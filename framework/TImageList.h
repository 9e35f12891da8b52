// The image list of forms.
#pragma once

#include "framework/TCustomImageList.h"

class TImageList : public TCustomImageList {
public:
    explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
    std::string ClassName() const override { return "TImageList"; }
};
