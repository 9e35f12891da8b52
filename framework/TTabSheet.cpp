// Tab sheets.
#include "framework/TTabSheet.h"

#include "framework/TPageControl.h"

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FVisible = false;
    FWidth = 100;
    FHeight = 100;
}

TTabSheet::~TTabSheet() {
    BeforeDestruction();
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* control) {
    SetParent(control);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (FPageControl) FPageControl->MovePage(this, index);
}

void TTabSheet::SetTabVisible(bool value) {
    if (FTabVisible == value) return;
    FTabVisible = value;
    if (FPageControl) FPageControl->UpdateTabs();
}

int TTabSheet::TabIndex() const {
    if (!FPageControl || !FTabVisible) return -1;
    int index = 0;
    for (TTabSheet* page : FPageControl->FPages) {
        if (page == this) return index;
        if (page->FTabVisible) ++index;
    }
    return -1;
}

void TTabSheet::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::CMVisibleChanged(TMessage& m) {
    TCustomControl::CMVisibleChanged(m);
    if (FVisible && OnShow) OnShow(this);
    else if (!FVisible && OnHide) OnHide(this);
}
