// The plain close buttons of a page control: a TsTabBtn on each visible tab whose sheet uses one,
// while the control shows close buttons and no skin is in force.
#pragma once

#include <functional>
#include <vector>

class TPageControl;
class TsCommonData;
class TsTabBtn;
class TTabSheet;

class TacTabBtnRow {
public:
    using TClickEvent = std::function<void(TTabSheet* page)>;

    TacTabBtnRow(TPageControl& control, TsCommonData& data) : FControl(control), FData(data) {}
    ~TacTabBtnRow();
    TacTabBtnRow(const TacTabBtnRow&) = delete;
    TacTabBtnRow& operator=(const TacTabBtnRow&) = delete;

    // Frees the buttons and, when shown and unskinned, places new ones: at the tab's right edge,
    // one pixel below its top.
    void Update(bool show);
    const std::vector<TsTabBtn*>& Buttons() const { return FButtons; }

    // A button was clicked (raised after the click's message is done).
    TClickEvent OnClick;

private:
    void Free();
    void Place(TTabSheet* page);

    TPageControl& FControl;
    TsCommonData& FData;
    std::vector<TsTabBtn*> FButtons;
    bool FUpdating = false;
};
