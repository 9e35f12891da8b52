// The base of tabbed controls over the platform's "SysTabControl32": the row of tabs (or
// buttons), the selected tab, tab sizes, owner-drawn tabs, the change events and Ctrl+Tab.
#pragma once

#include "framework/TWinControl.h"

#include <vector>

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TCanvas;
class TCustomTabControl;
using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;
using TDrawTabEvent = std::function<void(TCustomTabControl* control, TCanvas* canvas, int tabIndex, const TRect& rect, bool active)>;

// The tabs are kept here and mirrored into the window, so they outlive a recreated window.
// A change made by the user (mouse, arrows, Ctrl+Tab) asks OnChanging first, which may refuse,
// then raises OnChange; selecting a tab by program raises neither. Ctrl+Tab (Ctrl+Shift+Tab
// backwards) reaches the control from anywhere on its form: the tab control nearest around the
// focused control takes it, or the first one on the form when none holds the focus.
class TCustomTabControl : public TWinControl {
public:
    explicit TCustomTabControl(TComponent* owner);
    std::string ClassName() const override { return "TCustomTabControl"; }

    TTabStyle Style() const { return FStyle; }
    void SetStyle(TTabStyle value);
    // 0: each tab as wide as its caption. Values outside 16 bits are a range error.
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int value);
    // 0: the height the font gives.
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int value);
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    // The side the tabs lie along; the pages fill the rest.
    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition value);

    // The area below (or inside) the tabs, in client coordinates.
    TRect DisplayRect() const;
    TRect AlignRect() const override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    TDrawTabEvent OnDrawTab;

protected:
    int TabCount() const { return static_cast<int>(FTabs.size()); }
    void InsertTab(int index, const std::string& caption);
    void DeleteTab(int index);
    void SetTabCaption(int index, const std::string& caption);
    // -1: none.
    int TabIndex() const;
    void SetTabIndex(int index);
    // Moves to the next tab as the user would (asking OnChanging); false when nothing moved.
    bool SelectNextTab(bool goForward);

    virtual bool CanChange();
    virtual void Change();
    // An owner-drawn tab (CN_DRAWITEM): OnDrawTab, or the caption (turned for tabs on a side).
    virtual void DrawTab(HDC dc, int tabIndex, const TRect& rect, bool active);

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& message) override;
    virtual void CNNotify(TMessage& message);
    void CMDialogKey(TMessage& message) override;

private:
    bool TakesCtrlTab() const;
    void ApplyItemSize();

    std::vector<std::string> FTabs;
    int FTabIndex = -1; // kept while there is no window
    TTabStyle FStyle = tsTabs;
    int FTabWidth = 0;
    int FTabHeight = 0;
    bool FOwnerDraw = false;
    bool FHotTrack = false;
    bool FMultiLine = false;
    TTabPosition FTabPosition = tpTop;
};
