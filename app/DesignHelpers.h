// Small helpers for the game's windows built in code: a control placed on its parent by name and
// design position, and a hint that is shown.
#pragma once

#include "framework/TControl.h"
#include "framework/TWinControl.h"

#include <string>

// Creates a control owned by and placed on parent at its design position.
template <class T>
T* PlacedControl(TWinControl* parent, const std::string& name, int left, int top) {
    auto* control = new T(parent);
    control->SetName(name);
    control->SetParent(parent);
    control->SetLeft(left);
    control->SetTop(top);
    return control;
}

inline void ShowHintOf(TControl* control, const std::string& hint) {
    control->SetHint(hint);
    control->SetShowHint(true);
}
