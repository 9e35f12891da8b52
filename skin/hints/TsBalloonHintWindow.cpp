// The thought-balloon hint.
#include "skin/hints/TsBalloonHintWindow.h"

#include "skin/hints/TacHintShadow.h"
#include "skin/hints/TsHintKind.h"
#include "skin/hints/TsHintManager.h"

#include <algorithm>

TacHintShape TsBalloonHintWindow::Shape() {
    return {hskBalloon, GetBodyRect(), GetPointerTip()};
}

void TsBalloonHintWindow::PaintShadow(Bitmap& work) {
    if (!ShadowOn()) return;
    TacHintShadow::PaintShaped(work, Shape(), Kind().ShadowOffset(), Kind().ShadowBlur(),
                               TacHintShadow::Darkest(Kind(), 256));
}

int TsBalloonHintWindow::ShapeLevel() const {
    if (TsHintManager::LayeredWindows()) return 0;
    return std::min(255, Kind().Transparency() * 256 / 100);
}
