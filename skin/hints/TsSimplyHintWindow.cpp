// The rectangular hint.
#include "skin/hints/TsSimplyHintWindow.h"

#include "skin/hints/TacHintShadow.h"
#include "skin/hints/TsHintKind.h"

#include "platform/gfx/DeviceContext.h"

TPoint TsSimplyHintWindow::GetHintPos() {
    const TPoint p = TsCustomHintWindow::GetHintPos();
    if (Look()) return p;
    return {p.X, p.Y + kBelowPointer};
}

void TsSimplyHintWindow::PaintShadow(Bitmap& work) {
    if (!ShadowOn()) return;
    TacHintShadow::PaintRectangle(work, Kind().ShadowOffset(), Kind().ShadowBlur(), TacHintShadow::Darkest(Kind()));
}

TRect TsSimplyHintWindow::GetBodyRect() {
    const int s = ShadowShift();
    return {0, 0, Width() - s, Height() - s};
}

// The top and left edges in the top colour, the bottom and right ones in the bottom colour.
void TsSimplyHintWindow::PaintBorder(Bitmap& body) {
    const int width = Kind().BevelWidth();
    if (width <= 0) return;
    const TRect r = GetBodyRect();
    DeviceContext dc(&body);
    const TColor top = Kind().ColorBorderTop(), bottom = Kind().ColorBorderBottom();
    dc.FillRect({r.Left, r.Top, r.Right, r.Top + width}, top);
    dc.FillRect({r.Left, r.Top, r.Left + width, r.Bottom}, top);
    dc.FillRect({r.Left, r.Bottom - width, r.Right, r.Bottom}, bottom);
    dc.FillRect({r.Right - width, r.Top, r.Right, r.Bottom}, bottom);
}

TacHintShape TsSimplyHintWindow::Shape() {
    return {hskRectangle, GetBodyRect(), GetPointerTip()};
}
