// The ellipse hint.
#include "skin/hints/TsEllipseHintWindow.h"

#include "skin/hints/TsHintKind.h"

#include <algorithm>
#include <cmath>

TRect TsEllipseHintWindow::GetBodyRect() {
    TRect r = TsCustomHintWindow::GetBodyRect();
    r.Top = std::max(0, r.Top);
    r.Bottom = std::min(Height(), r.Bottom);
    return r;
}

TacHintShape TsEllipseHintWindow::Shape() {
    return {hskEllipse, GetBodyRect(), GetPointerTip()};
}

void TsEllipseHintWindow::AddShapeRoom(TSize& size) {
    AddEllipseRoom(size);
}

void TsEllipseHintWindow::AddEllipseRoom(TSize& size) {
    size.cy += Kind().ExOffset();
    const double w = size.cx, h = size.cy;
    if (w <= 0 || h <= 0) return;
    const double d = std::sqrt(w * w + h * h) - w;
    FExtraWidth = static_cast<int>(std::nearbyint(w * d / h));
    FExtraHeight = static_cast<int>(std::nearbyint(d * h / w));
    size.cx += FExtraWidth;
    size.cy += FExtraHeight;
}
