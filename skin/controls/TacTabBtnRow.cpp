// The page control's plain close buttons.
#include "skin/controls/TacTabBtnRow.h"

#include "skin/controls/TsTabBtn.h"
#include "skin/controls/TsTabSheet.h"
#include "skin/paint/TsCommonData.h"

#include "framework/TPageControl.h"
#include "platform/controls/TabControlCodes.h"
#include "platform/window/Win.h"

TacTabBtnRow::~TacTabBtnRow() {
    FUpdating = true; // the control hears the buttons leave while it goes itself
    Free();
}

void TacTabBtnRow::Free() {
    for (TsTabBtn* button : FButtons) delete button;
    FButtons.clear();
}

void TacTabBtnRow::Update(bool show) {
    if (FUpdating || FControl.ComponentState().Contains(csDestroying)) return;
    FUpdating = true;
    Free();
    if (show && !FData.IsSkinned() && FControl.HandleAllocated()) {
        for (int i = 0; i < FControl.PageCount(); ++i) {
            auto* sheet = dynamic_cast<TsTabSheet*>(FControl.Pages(i));
            if (sheet && sheet->UseCloseBtn() && sheet->TabVisible()) Place(sheet);
        }
    }
    FUpdating = false;
}

// The click closes the page, which frees this button: the work waits for the click to be done.
void TacTabBtnRow::Place(TTabSheet* page) {
    TRect r;
    if (!SendMessage(FControl.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(page->TabIndex()), reinterpret_cast<LPARAM>(&r)))
        return;
    auto* button = new TsTabBtn(nullptr, page);
    button->SetBounds(r.Right - TsTabBtn::Size, r.Top + 1, TsTabBtn::Size, TsTabBtn::Size);
    button->OnClick = [this, page](TObject*) {
        if (OnClick) OnClick(page);
    };
    button->SetParent(&FControl);
    FButtons.push_back(button);
}
