// Size limits of a control.
#include "framework/TSizeConstraints.h"

#include <algorithm>

void TSizeConstraints::Set(int& field, int value) {
    value = std::max(0, value);
    if (field == value) return;
    field = value;
    if (FMaxWidth > 0 && FMaxWidth < FMinWidth) FMaxWidth = FMinWidth;
    if (FMaxHeight > 0 && FMaxHeight < FMinHeight) FMaxHeight = FMinHeight;
    if (OnChange) OnChange(this);
}

void TSizeConstraints::SetMinWidth(int value) { Set(FMinWidth, value); }
void TSizeConstraints::SetMinHeight(int value) { Set(FMinHeight, value); }
void TSizeConstraints::SetMaxWidth(int value) { Set(FMaxWidth, value); }
void TSizeConstraints::SetMaxHeight(int value) { Set(FMaxHeight, value); }

int TSizeConstraints::ConstrainWidth(int width) const {
    if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
    return std::max(width, FMinWidth);
}

int TSizeConstraints::ConstrainHeight(int height) const {
    if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
    return std::max(height, FMinHeight);
}

void TSizeConstraints::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) return TPersistent::Assign(source);
    FMinWidth = other->FMinWidth;
    FMinHeight = other->FMinHeight;
    FMaxWidth = other->FMaxWidth;
    FMaxHeight = other->FMaxHeight;
    if (OnChange) OnChange(this);
}
