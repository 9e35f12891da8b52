// Painting of window-less controls through their parent's context.
#include "framework/TGraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), FCanvas(std::make_unique<TControlCanvas>()) {
    FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
    FCanvas->FreeHandle();
}

void TGraphicControl::WMPaint(TMessage& m) {
    if (!m.WParam || FWidth <= 0 || FHeight <= 0) return;
    FCanvas->PaintOn(reinterpret_cast<HDC>(m.WParam), [this] {
        FCanvas->Font()->Assign(Font());
        Paint();
    });
}
