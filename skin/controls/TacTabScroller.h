// The skinned scroller of a page control whose single row of tabs does not fit: a horizontal
// TsUpDown at the right end of the row in place of the platform's own scroller.
#pragma once

#include "platform/gfx/Geometry.h"

class TPageControl;
class TsCommonData;
class TsUpDown;

// The up-down is a child of the page control; its range counts the tabs that stick out (past
// the right edge less 3 pixels and the scroller, or scrolled off the left) and its position is
// the first tab showing. A click scrolls the row there and repaints the control. The platform
// makes its own scroller again whenever it lays the row out; each such change runs Update.
class TacTabScroller {
public:
    TacTabScroller(TPageControl& control, TsCommonData& data) : FControl(control), FData(data) {}
    ~TacTabScroller();
    TacTabScroller(const TacTabScroller&) = delete;
    TacTabScroller& operator=(const TacTabScroller&) = delete;

    // Skinned: the platform's scroller goes, then the skinned one is made, placed and set, or
    // freed when every tab fits. Unskinned: the skinned one goes.
    void Update();
    void Free();
    TsUpDown* UpDown() const { return FUpDown; }
    // Where the skinned scroller stands in the control; empty without one.
    TRect Bounds() const;
    // The tabs past the right limit or scrolled off the left.
    int OverflowingTabs() const;
    // The first tab that starts inside the control.
    int FirstShownTab() const;

private:
    static int Width();
    TRect ItemRect(int tabIndex) const;
    int CountPast(int limit) const;
    void DestroyPlatformScroller();
    void RestorePlatformScroller();
    void Make();
    void Clicked();

    TPageControl& FControl;
    TsCommonData& FData;
    TsUpDown* FUpDown = nullptr;
    bool FUpdating = false;
};
