// One page of a page control: a container whose caption is its tab.
#pragma once

#include "framework/TCustomControl.h"

class TPageControl;

// A sheet belongs to the page control it is parented to (SetPageControl parents it there);
// only the page control's active sheet is visible. A sheet whose tab is hidden keeps its place
// among the pages.
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    std::string ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* control);
    // The place among the page control's pages; -1 without one.
    int PageIndex() const;
    void SetPageIndex(int index);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    // The place among the visible tabs; -1 when the tab is hidden.
    int TabIndex() const;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    friend class TPageControl;

    void CMTextChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;

private:
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};
