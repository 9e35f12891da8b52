// Scroll-bar painting.
#include "platform/window/ScrollBarPainter.h"
#include "platform/window/ClassicStyle.h"

void ScrollBarPainter::Paint(HDC dc, const TScrollLayout& l, const ScrollBarState& state) {
    dc->FillRect(l.Bar, clScrollBar);
    TScrollPart pressed = state.Pressed();
    if (pressed == TScrollPart::spPageUp && !l.PageUp.IsEmpty()) dc->FillRect(l.PageUp, cl3DDkShadow);
    if (pressed == TScrollPart::spPageDown && !l.PageDown.IsEmpty()) dc->FillRect(l.PageDown, cl3DDkShadow);
    bool inert = !l.Enabled || !state.Scrollable();
    UINT upKind = l.Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT;
    UINT downKind = l.Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT;
    UINT upState = upKind | (pressed == TScrollPart::spLineUp ? DFCS_PUSHED | DFCS_FLAT : 0) |
                   (inert || (state.DisabledArrows() & ESB_DISABLE_LTUP) ? DFCS_INACTIVE : 0);
    UINT downState = downKind | (pressed == TScrollPart::spLineDown ? DFCS_PUSHED | DFCS_FLAT : 0) |
                     (inert || (state.DisabledArrows() & ESB_DISABLE_RTDN) ? DFCS_INACTIVE : 0);
    TRect up = l.Up, down = l.Down;
    if (!up.IsEmpty()) ClassicStyle::DrawFrameControl(dc, &up, DFC_SCROLL, upState);
    if (!down.IsEmpty()) ClassicStyle::DrawFrameControl(dc, &down, DFC_SCROLL, downState);
    if (!l.Thumb.IsEmpty()) {
        TRect thumb = l.Thumb;
        ClassicStyle::DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
    }
}
