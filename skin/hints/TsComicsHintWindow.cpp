// The comics hint.
#include "skin/hints/TsComicsHintWindow.h"

#include "skin/hints/TsHintKind.h"

TacHintShape TsComicsHintWindow::Shape() {
    return {hskRoundRect, GetBodyRect(), GetPointerTip(), Kind().Radius()};
}

void TsComicsHintWindow::AddShapeRoom(TSize& size) {
    size.cy += Kind().ExOffset();
}
