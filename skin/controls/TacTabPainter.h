// Painting the tabs of a skinned page control: the tab row into the control's image, one tab in
// a state into any bitmap, one tab straight onto a device, and the scroll arrows.
#pragma once

#include "skin/controls/TacCloseButtons.h"
#include "skin/controls/TacPageGeometry.h"
#include "skin/paint/TParentImageInfo.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"

#include <string>

class TCanvas;
class TPageControl;
class TacTabScroller;
class TsCommonData;

// Tab states: 0 normal, 1 hot (or pressed), 2 active.
class TacTabPainter {
public:
    TacTabPainter(TPageControl& control, TsCommonData& data, const TacCloseButtons& close,
                  const TacTabScroller& scroller)
        : FControl(control), FData(data), FGeometry(control), FClose(close), FScroller(scroller) {}

    // The section of the page's tab: the sheet's TabSkin, else by the style "TABTOP", "BUTTON" or
    // "TOOLBUTTON"; -1 when the skin has no "TABTOP" (the tabs are then not skinned) or lacks it.
    int TabSection(int pageIndex, std::string& name) const;
    // The tab row into the control's image: the parent behind it, then every visible tab but
    // the active one in state 0.
    void PaintTabsArea(const TParentImageInfo& parent);
    // The page's tab in the state into target, its rectangle moved by offset.
    void PaintTab(int pageIndex, int state, TPoint offset, Bitmap& target) const;
    // The page's tab in the state straight onto the device.
    void PaintTabOnDevice(HDC dc, int pageIndex, int state) const;
    // The square of the page's close button on its tab as drawn in the state; empty when the
    // page shows none.
    TRect CloseSquare(int pageIndex, int state) const;

private:
    // The row of tabs left of the scroller.
    TRect Strip() const;
    void PaintTabFace(int pageIndex, int state, const TRect& r2, TPoint offset, Bitmap& target) const;
    void PaintCaption(int pageIndex, int state, const TRect& r2, TPoint offset, Bitmap& target) const;
    void DrawTurnedCaption(TCanvas& canvas, const std::string& caption, int state, int section, const TRect& r) const;
    void DrawFocusAround(TCanvas& canvas, const std::string& caption, const TRect& r) const;
    bool Vertical() const;
    void PaintCloseButton(int pageIndex, int state, TPoint offset, Bitmap& target) const;
    // The close picture's entry in the skin's images, -1 for none.
    int ClosePicture() const;

    TPageControl& FControl;
    TsCommonData& FData;
    TacPageGeometry FGeometry;
    const TacCloseButtons& FClose;
    const TacTabScroller& FScroller;
};
