// The skinned combo box's edit child: it shows the combo's image while the combo is not being
// typed into, and takes no typing while the combo is read-only.
#pragma once

#include "platform/window/Win.h"

#include <memory>

class TsComboBox;

class TacComboEditChild {
public:
    explicit TacComboEditChild(TsComboBox& combo) : FCombo(combo) {}
    ~TacComboEditChild() { *FLive = false; }
    TacComboEditChild(const TacComboEditChild&) = delete;
    TacComboEditChild& operator=(const TacComboEditChild&) = delete;

    // Puts the handling in front of the combo's edit child, when it has one.
    void Hook();

private:
    LRESULT Message(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam);
    bool ShowsImage() const;
    void PaintImage(HWND edit);

    TsComboBox& FCombo;
    // Kept by the hook too: the child outlives the combo's members while the window goes.
    std::shared_ptr<WNDPROC> FBelow = std::make_shared<WNDPROC>();
    std::shared_ptr<bool> FLive = std::make_shared<bool>(true);
};
