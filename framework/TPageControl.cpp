// Page controls: pages, their tabs and the active page.
#include "framework/TPageControl.h"

#include "framework/Consts.h"
#include "framework/Exception.h"
#include "framework/Format.h"
#include "framework/TCustomForm.h"
#include "framework/TTabSheet.h"

#include <algorithm>

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    BeforeDestruction();
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount()) throw EListError(Format(SListIndexError, {index}));
    return FPages[static_cast<size_t>(index)];
}

// Sheets join and leave as the parent's child list changes, whoever parents them.
void TPageControl::Dispatch(TMessage& m) {
    if (m.Msg == CM_CONTROLLISTCHANGE) {
        if (auto* page = dynamic_cast<TTabSheet*>(reinterpret_cast<TControl*>(m.WParam))) {
            if (m.LParam) InsertPage(page);
            else RemovePage(page);
        }
    }
    TCustomTabControl::Dispatch(m);
}

void TPageControl::InsertPage(TTabSheet* page) {
    if (std::find(FPages.begin(), FPages.end(), page) != FPages.end()) return;
    FPages.push_back(page);
    page->FPageControl = this;
    page->SetVisible(false);
    UpdateTabs();
    if (!FActivePage) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    const bool wasActive = page == FActivePage;
    TTabSheet* next = wasActive && !ComponentState().Contains(csDestroying) ? FindNextPage(page, true, false) : nullptr;
    FPages.erase(it);
    page->FPageControl = nullptr;
    if (wasActive) FActivePage = nullptr;
    if (ComponentState().Contains(csDestroying)) return;
    UpdateTabs();
    if (wasActive) SetActivePage(next != page ? next : nullptr);
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    index = std::clamp(index, 0, PageCount());
    FPages.insert(FPages.begin() + index, page);
    UpdateTabs();
}

void TPageControl::UpdateTabs() {
    while (TabCount() > 0) DeleteTab(TabCount() - 1);
    for (TTabSheet* page : FPages)
        if (page->TabVisible()) InsertTab(TabCount(), page->Caption());
    SetTabIndex(FActivePage ? FActivePage->TabIndex() : -1);
}

TTabSheet* TPageControl::PageForTab(int tabIndex) const {
    for (TTabSheet* page : FPages)
        if (page->TabVisible() && tabIndex-- == 0) return page;
    return nullptr;
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? FPages[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    ShowActivePage(page);
    SetTabIndex(page ? page->TabIndex() : -1);
}

// The new page shows before the old one hides, and the focus leaves the old page first, so it
// never sits in a hidden window.
void TPageControl::ShowActivePage(TTabSheet* page) {
    if (page == FActivePage) return;
    TTabSheet* old = FActivePage;
    TCustomForm* form = GetParentForm();
    const bool hadFocus = form && old && form->ActiveControl() && old->ContainsControl(form->ActiveControl());
    FActivePage = page;
    if (page) {
        const TRect area = AlignRect();
        page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
        page->BringToFront();
        page->SetVisible(true);
    }
    if (hadFocus && Showing()) {
        TWinControl* next = page ? page->FindNextControl(nullptr, true, true, false) : nullptr;
        if (next) next->SetFocus();
        else if (CanFocus()) SetFocus();
    }
    if (old) old->SetVisible(false);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
    if (FPages.empty()) return nullptr;
    const int n = PageCount();
    auto it = std::find(FPages.begin(), FPages.end(), current);
    int start = it == FPages.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - FPages.begin());
    for (int step = 1; step <= n; ++step) {
        TTabSheet* page = FPages[static_cast<size_t>(((start + (goForward ? step : -step)) % n + n) % n)];
        if (!checkTabVisible || page->TabVisible()) return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
    SelectNextTab(goForward);
}

// The user picked a tab: its page comes up, then OnChange.
void TPageControl::Change() {
    ShowActivePage(PageForTab(TabIndex()));
    TCustomTabControl::Change();
}

// The pages are the only children that count: each fills the display area.
void TPageControl::AlignControls(TControl*, TRect& rect) {
    for (TTabSheet* page : FPages) page->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TPageControl::CreateWnd() {
    TCustomTabControl::CreateWnd();
    SetTabIndex(FActivePage ? FActivePage->TabIndex() : -1);
}
