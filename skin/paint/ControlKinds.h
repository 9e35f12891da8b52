// The control kind codes of skin bindings: the section a control takes by default and whether
// the mouse over it makes it hot.
#pragma once

#include <string>

// The codes the program's skinned controls use.
enum : int {
    ckEdit = 3,
    ckMemo = 7,
    ckComboBox = 11,
    ckCheckBox = 32,
    ckPanel = 51,
    ckDragBar = 56,
    ckTabSheet = 57,
    ckSpeedButton = 92,
    ckButton = 93,
    ckBitButton = 94,
    ckEditLike = 97, // a control that keeps its colours like an edit
    ckPageControl = 141,
    ckTrackBar = 165,
};

// The section of a control of that kind whose SkinSection is empty; empty for a kind without
// one, which then takes the control's class name.
std::string DefaultSectionOfKind(int kind);
// False for the kinds the mouse never makes hot (containers, bars, pages).
bool KindHasHover(int kind);
