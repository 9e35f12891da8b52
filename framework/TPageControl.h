// A tab control whose tabs are the captions of its pages (TTabSheet): clicking a tab, or
// Ctrl+Tab anywhere on the form, shows that page and hides the others.
#pragma once

#include "framework/TCustomTabControl.h"

#include <vector>

class TTabSheet;

// Pages join by being parented to the control and keep their order in Pages; each fills the
// display area. Setting ActivePage by program raises no OnChange; a change by the user raises
// OnChanging (which may refuse) and OnChange. When the focus was on the page that goes, it
// moves to the first control of the new page (or to the tabs).
class TPageControl : public TCustomTabControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    std::string ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    // -1 without an active page.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The next page after current (wrapping), with a visible tab when asked; nullptr for none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward);

protected:
    friend class TTabSheet;

    void Dispatch(TMessage& message) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Change() override;
    void CreateWnd() override;

private:
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    // The sheet's tab came, went or changed caption: the tabs are rebuilt from the pages.
    void UpdateTabs();
    TTabSheet* PageForTab(int tabIndex) const;
    void ShowActivePage(TTabSheet* page);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};
